#include "framing_svg.h"

#include "formats/readable_number.h"
#include "framing_scene.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace velmora::planning {

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
        " px, " + formats::readableNumber(mosaic.overlap * 100) + "% overlap";
}

std::string frames(const FramingScene& scene, const std::string& style)
{
    std::string svg;
    for (const SceneRect& frame : scene.frames)
        svg += rectangle(frame.x, frame.y, frame.width, frame.height, style);
    return svg;
}

std::string targetVerdict(const sky::TargetFraming& f)
{
    if (f.fits())
        return "fits at camera angle " + formats::readableNumber(f.margin.bestAngle) + " deg, fill " +
            formats::readableNumber(f.fill());
    if (!f.mosaic)
        return "fits no mosaic of up to " + formats::readableNumber(sky::kMostMosaicFrames) + " frames";
    const sky::FramedMosaic& m = *f.mosaic;
    return "fits at no angle: " + formats::readableNumber(double(m.grid.columns)) + " x " +
        formats::readableNumber(double(m.grid.rows)) + " frames at camera angle " +
        formats::readableNumber(m.cameraAngle) + " deg, " + formats::readableNumber(m.grid.overlap * 100) + "% overlap";
}

// An arrow from the centre of a compass rose, with its letter at the tip.
std::string pointer(double x, double y, double dx, double dy, double text, const char* letter)
{
    return printed(R"(<line x1="%.2f" y1="%.2f" x2="%.2f" y2="%.2f" stroke="#e8e8e8" stroke-width="%.2f"/>)", x, y,
               x + dx, y + dy, text / 8) +
        "\n" + caption(x + 1.35 * dx - text / 3, y + 1.35 * dy + text / 3, text, letter);
}

// A body's disk, its unlit part dimmed: the lit part runs from the limb's
// half on the bright side to the terminator, a half ellipse whose width
// follows the lit share, bulging towards the dark side past a half.
std::string litDisk(const FramingScene& scene)
{
    const double r = scene.majorAxis / 2;
    const std::string colour(scene.colour);
    std::string svg =
        printed(R"(<circle cx="0" cy="0" r="%.2f" fill="%s" fill-opacity="0.18"/>)", r, colour.c_str()) + "\n";
    const double lit = scene.phase->lit;
    const double terminator = r * std::abs(2 * lit - 1);
    svg += printed(R"svg(<path d="M 0 %.2f A %.2f %.2f 0 0 1 0 %.2f A %.2f %.2f 0 0 %d 0 %.2f Z" )svg"
                   R"svg(transform="rotate(%.2f)" fill="%s"/>)svg",
               -r, r, r, r, terminator, r, lit > 0.5 ? 1 : 0, -r, scene.phase->brightLimbTurn, colour.c_str()) +
        "\n";
    return svg;
}

} // namespace

// Drawn in sensor pixels, centred on the disk; the viewBox scales the whole.
std::string framingSvg(const sky::BodyView& view, const sky::UtcMoment& moment, double cameraAngle)
{
    const FramingScene scene = bodySceneAt(view, moment, cameraAngle);
    const double extent = scene.extent;
    const double text = extent / 32;
    const double left = -extent / 2;
    const double top = left - 4.5 * text;
    const double tall = extent + 8 * text;

    std::string svg = opening(left, top, extent, tall);
    svg += litDisk(scene);
    const std::string sensorStyle = printed(R"(fill="none" stroke="#ff4040" stroke-width="%.2f")", text / 4);
    svg += printed(R"svg(<g transform="rotate(%.2f)">)svg", scene.framesTurn) + "\n";
    if (const auto& sensor = scene.sensor) {
        svg += frames(scene,
            printed(R"(fill="none" stroke="#5fa8ff" stroke-width="%.2f" stroke-dasharray="%.1f")", text / 6, text / 2));
        svg += rectangle(sensor->x, sensor->y, sensor->width, sensor->height, sensorStyle);
    } else {
        svg += frames(scene, sensorStyle);
    }
    svg += "</g>\n";
    svg += caption(left + text, top + 1.6 * text, text,
        printed("%s on %s, %.0f%% lit", std::string(view.facts->name).c_str(), sky::isoText(moment).c_str(),
            scene.phase->lit * 100));
    std::string disk = "disk " + formats::readableNumber(view.diskPixels) + " px across (" +
        formats::readableNumber(view.apparentDiameterArcsec) + " arcsec)";
    if (const auto& site = view.fromSite) {
        disk += ", altitude " + formats::readableNumber(site->altitude) + " deg";
        if (site->dispersionPixels)
            disk += ", dispersion " + formats::readableNumber(*site->dispersionPixels) + " px";
    }
    svg += caption(left + text, top + 3.1 * text, text, disk);
    const sky::Mosaic& mosaic = view.mosaic;
    svg += caption(left + text, extent / 2 + 1.4 * text, text,
        view.fitsSensor ? "fits the " + formats::readableNumber(mosaic.frameWidth) + " x " +
                formats::readableNumber(mosaic.frameHeight) + " px sensor"
                        : mosaicCaption(mosaic));
    svg += caption(left + text, extent / 2 + 2.9 * text, text,
        "camera angle " + formats::readableNumber(cameraAngle) + " deg, north up, east left");
    return svg + "</svg>\n";
}

// Drawn in arcminutes with north up and east to the left; the scene's
// turns are clockwise, as SVG's rotate() turns.
std::string targetFramingSvg(
    const sky::TargetFraming& f, const TargetTonight* tonight, std::optional<double> cameraAngle)
{
    const FramingScene scene = cameraAngle ? turnTarget(f, *cameraAngle).scene : targetScene(f);
    const sky::Outline& outline = f.shape.outline;
    const double extent = scene.extent;
    const double text = extent / 40;
    const double left = -extent / 2;
    const double top = left - 4.5 * text;
    const double tall = extent + (tonight ? 9.5 : 8) * text;

    std::string svg = opening(left, top, extent, tall);
    svg += printed(R"svg(<ellipse cx="0" cy="0" rx="%.3f" ry="%.3f" transform="rotate(%.2f)" fill="#d8c8a0" )svg"
                   R"svg(fill-opacity="0.55" stroke="#f0e0b0" stroke-width="%.2f"/>)svg",
               scene.majorAxis / 2, scene.minorAxis / 2, scene.objectTurn, text / 8) +
        "\n";
    svg += printed(R"svg(<g transform="rotate(%.2f)">)svg", scene.framesTurn) + "\n";
    svg += frames(scene, printed(R"(fill="none" stroke="#ff4040" stroke-width="%.2f")", text / 5));
    svg += "</g>\n";
    if (scene.compass) {
        const double roseX = extent / 2 - 2.5 * text;
        const double roseY = extent / 2 - 2.5 * text;
        svg += pointer(roseX, roseY, 0, -1.5 * text, text, "N") + pointer(roseX, roseY, -1.5 * text, 0, text, "E");
    }
    svg += caption(left + text, top + 1.6 * text, text, f.object->displayName());
    svg += caption(left + text, top + 3.1 * text, text,
        formats::readableNumber(outline.majorAxis) + " x " + formats::readableNumber(outline.minorAxis) +
            " arcmin at position angle " + formats::readableNumber(outline.positionAngle) + " deg");
    svg += caption(left + text, extent / 2 + 1.4 * text, text,
        "field " + formats::readableNumber(f.field.width) + " x " + formats::readableNumber(f.field.height) +
            " arcmin");
    svg += caption(left + text, extent / 2 + 2.9 * text, text, targetVerdict(f));
    if (tonight)
        svg += caption(left + text, extent / 2 + 4.4 * text, text,
            "altitude " + formats::readableNumber(tonight->view.altitude) + " deg, " +
                formats::readableNumber(tonight->hours.usable.hours) + " h usable tonight");
    return svg + "</svg>\n";
}

} // namespace velmora::planning
