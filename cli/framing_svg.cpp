#include "framing_svg.h"

#include "number_texts.h"

#include <algorithm>
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

std::string caption(double x, double y, double size, const std::string& words)
{
    return printed(R"(<text x="%.1f" y="%.1f" font-family="sans-serif" font-size="%.1f" fill="#e8e8e8">%s</text>)", x,
               y, size, words.c_str()) +
        "\n";
}

std::string mosaicCaption(const sky::Mosaic& mosaic)
{
    const auto frames = mosaic.frames();
    return "mosaic of " + readableNumber(double(mosaic.columns)) + " x " + readableNumber(double(mosaic.rows)) +
        " frames" + (frames ? "" : " (more than can be counted)") + " of " + readableNumber(mosaic.frameWidth) + " x " +
        readableNumber(mosaic.frameHeight) + " px, 10% overlap";
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

    std::string svg = printed("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              R"(<svg xmlns="http://www.w3.org/2000/svg" width="800" height="%.0f" )"
                              R"(viewBox="%.1f %.1f %.1f %.1f">)"
                              "\n",
        800 * tall / extent, left, top, extent, tall);
    svg += rectangle(left, top, extent, tall, R"(fill="#101018")");
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
    std::string disk = "disk " + readableNumber(view.diskPixels) + " px across (" +
        readableNumber(view.apparentDiameterArcsec) + " arcsec)";
    if (const auto& site = view.fromSite) {
        disk += ", altitude " + readableNumber(site->altitude) + " deg";
        if (site->dispersionPixels)
            disk += ", dispersion " + readableNumber(*site->dispersionPixels) + " px";
    }
    svg += caption(left + text, top + 3.1 * text, text, disk);
    svg += caption(left + text, extent / 2 + 1.4 * text, text,
        view.fitsSensor ? "fits the " + readableNumber(width) + " x " + readableNumber(height) + " px sensor"
                        : mosaicCaption(mosaic));
    return svg + "</svg>\n";
}

} // namespace velmora::cli
