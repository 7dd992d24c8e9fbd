#include "framing_svg.h"

#include "formats/readable_number.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace velmora::cli {

namespace {

// printf into a string: GCC 12 has no std::format yet.
template <typename... Args> std::string printed(const char* format, Args... args)
{
    std::string text(static_cast<std::size_t>(std::snprintf(nullptr, 0, format, args...)), '\0');
    std::snprintf(text.data(), text.size() + 1, format, args...);
    return text;
}

std::string rectangle(double x, double y, double width, double height, const std::string& style)
{
    return printed(R"(<rect x="%.1f" y="%.1f" width="%.1f" height="%.1f" %s/>)", x, y, width, height, style.c_str()) +
        "\n";
}

// Names from a catalogue may hold '&' ("h & chi Persei").
std::string escaped(const std::string& words)
{
    std::string text;
    for (const char c : words) {
        switch (c) {
        case '&':
            text += "&amp;";
            break;
        case '<':
            text += "&lt;";
            break;
        case '>':
            text += "&gt;";
            break;
        default:
            text += c;
        }
    }
    return text;
}

std::string caption(double x, double y, double size, const std::string& words)
{
    return printed(R"(<text x="%.1f" y="%.1f" font-family="sans-serif" font-size="%.1f" fill="#e8e8e8">%s</text>)", x,
               y, size, escaped(words).c_str()) +
        "\n";
}

// The document's start, 800 px wide, on a dark ground.
std::string opening(double left, double top, double width, double height)
{
    return printed("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   R"(<svg xmlns="http://www.w3.org/2000/svg" width="800" height="%.0f" )"
                   R"(viewBox="%.1f %.1f %.1f %.1f">)"
                   "\n",
               800 * height / width, left, top, width, height) +
        rectangle(left, top, width, height, R"(fill="#101018")");
}

std::string mosaicCaption(const sky::Mosaic& mosaic)
{
    const auto frames = mosaic.frames();
    return "mosaic of " + formats::readableNumber(double(mosaic.columns)) + " x " +
        formats::readableNumber(double(mosaic.rows)) + " frames" + (frames ? "" : " (more than can be counted)") +
        " of " + formats::readableNumber(mosaic.frameWidth) + " x " + formats::readableNumber(mosaic.frameHeight) +
        " px, 10% overlap";
}

} // namespace

// Drawn in sensor pixels, centred on the disk; the viewBox scales the whole.
std::string framingSvg(const sky::BodyView& view, const sky::UtcMoment& moment)
{
    const sky::Mosaic& mosaic = view.mosaic;
    const double width = mosaic.frameWidth;
    const double height = mosaic.frameHeight;
    const double extent = std::max({mosaic.totalWidth(), mosaic.totalHeight(), view.diskPixels}) * 1.15;
    const double text = extent / 32;
    const double left = -extent / 2;
    const double top = left - 4.5 * text;
    const double tall = extent + 6.5 * text;

    std::string svg = opening(left, top, extent, tall);
    svg += printed(R"(<circle cx="0" cy="0" r="%.2f" fill="%s"/>)", view.diskPixels / 2,
               std::string(view.facts->colour).c_str()) +
        "\n";
    if (!view.fitsSensor) {
        const std::string grid =
            printed(R"(fill="none" stroke="#5fa8ff" stroke-width="%.2f" stroke-dasharray="%.1f")", text / 6, text / 2);
        const double x0 = -mosaic.totalWidth() / 2;
        const double y0 = -mosaic.totalHeight() / 2;
        if (mosaic.columns <= kMostFramesDrawnASide && mosaic.rows <= kMostFramesDrawnASide) {
            for (std::uint64_t column = 0; column < mosaic.columns; ++column) {
                for (std::uint64_t row = 0; row < mosaic.rows; ++row)
                    svg += rectangle(
                        x0 + double(column) * mosaic.stepX(), y0 + double(row) * mosaic.stepY(), width, height, grid);
            }
        } else {
            svg += rectangle(x0, y0, mosaic.totalWidth(), mosaic.totalHeight(), grid);
        }
    }
    svg += rectangle(-width / 2, -height / 2, width, height,
        printed(R"(fill="none" stroke="#ff4040" stroke-width="%.2f")", text / 4));
    svg += caption(left + text, top + 1.6 * text, text,
        printed("%s on %s", std::string(view.facts->name).c_str(), sky::isoText(moment).c_str()));
    std::string disk = "disk " + formats::readableNumber(view.diskPixels) + " px across (" +
        formats::readableNumber(view.apparentDiameterArcsec) + " arcsec)";
    if (const auto& site = view.fromSite) {
        disk += ", altitude " + formats::readableNumber(site->altitude) + " deg";
        if (site->dispersionPixels)
            disk += ", dispersion " + formats::readableNumber(*site->dispersionPixels) + " px";
    }
    svg += caption(left + text, top + 3.1 * text, text, disk);
    svg += caption(left + text, extent / 2 + 1.4 * text, text,
        view.fitsSensor
            ? "fits the " + formats::readableNumber(width) + " x " + formats::readableNumber(height) + " px sensor"
            : mosaicCaption(mosaic));
    return svg + "</svg>\n";
}

} // namespace velmora::cli

namespace velmora::cli {

namespace {

std::string targetVerdict(const sky::TargetFraming& f)
{
    if (f.fits())
        return "fits at camera angle " + formats::readableNumber(f.margin.bestAngle) + " deg, fill " +
            formats::readableNumber(f.fill());
    if (!f.mosaic)
        return "fits no mosaic of up to a million frames";
    const sky::FramedMosaic& m = *f.mosaic;
    return "fits at no angle: " + formats::readableNumber(double(m.columns)) + " x " +
        formats::readableNumber(double(m.rows)) + " frames at camera angle " + formats::readableNumber(m.cameraAngle) +
        " deg, " + formats::readableNumber(m.overlap * 100) + "% overlap";
}

// An arrow from the centre of a compass rose, with its letter at the tip.
std::string pointer(double x, double y, double dx, double dy, double text, const char* letter)
{
    return printed(R"(<line x1="%.2f" y1="%.2f" x2="%.2f" y2="%.2f" stroke="#e8e8e8" stroke-width="%.2f"/>)", x, y,
               x + dx, y + dy, text / 8) +
        "\n" + caption(x + 1.35 * dx - text / 3, y + 1.35 * dy + text / 3, text, letter);
}

} // namespace

// Drawn in arcminutes with north up and east to the left, so that a
// position angle turns counter-clockwise on the page: SVG's rotate() turns
// clockwise, hence the minus signs.
std::string targetFramingSvg(const sky::TargetFraming& f)
{
    const sky::Outline& outline = f.shape.outline;
    const std::uint32_t columns = f.mosaic ? f.mosaic->columns : 1;
    const std::uint32_t rows = f.mosaic ? f.mosaic->rows : 1;
    const double overlap = f.mosaic ? f.mosaic->overlap : 0;
    const double angle = f.fits() ? f.margin.bestAngle : f.mosaic ? f.mosaic->cameraAngle : 0;
    const sky::SkyField whole = sky::mosaicField(f.field, columns, rows, overlap);
    const double extent = std::max(std::hypot(whole.width, whole.height), outline.majorAxis) * 1.15;
    const double text = extent / 40;
    const double left = -extent / 2;
    const double top = left - 4.5 * text;
    const double tall = extent + 8 * text;

    std::string svg = opening(left, top, extent, tall);
    svg += printed(R"svg(<ellipse cx="0" cy="0" rx="%.3f" ry="%.3f" transform="rotate(%.2f)" fill="#d8c8a0" )svg"
                   R"svg(fill-opacity="0.55" stroke="#f0e0b0" stroke-width="%.2f"/>)svg",
               outline.majorAxis / 2, outline.minorAxis / 2, 90 - outline.positionAngle, text / 8) +
        "\n";
    svg += printed(R"svg(<g transform="rotate(%.2f)">)svg", -angle) + "\n";
    const double stepX = f.field.width * (1 - overlap);
    const double stepY = f.field.height * (1 - overlap);
    const std::string frameStyle = printed(R"(fill="none" stroke="#ff4040" stroke-width="%.2f")", text / 5);
    if (columns <= kMostFramesDrawnASide && rows <= kMostFramesDrawnASide) {
        for (std::uint32_t column = 0; column < columns; ++column) {
            for (std::uint32_t row = 0; row < rows; ++row)
                svg += rectangle(-whole.width / 2 + column * stepX, -whole.height / 2 + row * stepY, f.field.width,
                    f.field.height, frameStyle);
        }
    } else {
        svg += rectangle(-whole.width / 2, -whole.height / 2, whole.width, whole.height, frameStyle);
    }
    svg += "</g>\n";
    const double roseX = extent / 2 - 2.5 * text;
    const double roseY = extent / 2 - 2.5 * text;
    svg += pointer(roseX, roseY, 0, -1.5 * text, text, "N") + pointer(roseX, roseY, -1.5 * text, 0, text, "E");
    svg += caption(left + text, top + 1.6 * text, text, f.object->displayName());
    svg += caption(left + text, top + 3.1 * text, text,
        formats::readableNumber(outline.majorAxis) + " x " + formats::readableNumber(outline.minorAxis) +
            " arcmin at position angle " + formats::readableNumber(outline.positionAngle) + " deg");
    svg += caption(left + text, extent / 2 + 1.4 * text, text,
        "field " + formats::readableNumber(f.field.width) + " x " + formats::readableNumber(f.field.height) +
            " arcmin");
    svg += caption(left + text, extent / 2 + 2.9 * text, text, targetVerdict(f));
    return svg + "</svg>\n";
}

} // namespace velmora::cli
