#include "framing_svg.h"

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

} // namespace

// Drawn in sensor pixels, centred on the disk; the viewBox scales the whole.
std::string framingSvg(const BodyView& view, const OpticalTrain& train, const SkyDate& date)
{
    const double width = train.effectiveWidth();
    const double height = train.effectiveHeight();
    const double stepX = width * (1 - kMosaicOverlap);
    const double stepY = height * (1 - kMosaicOverlap);
    const double mosaicWidth = width + (view.mosaicColumns - 1) * stepX;
    const double mosaicHeight = height + (view.mosaicRows - 1) * stepY;
    const double extent = std::max({mosaicWidth, mosaicHeight, view.diskPixels}) * 1.15;
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
        for (int column = 0; column < view.mosaicColumns; ++column) {
            for (int row = 0; row < view.mosaicRows; ++row)
                svg += rectangle(-mosaicWidth / 2 + column * stepX, -mosaicHeight / 2 + row * stepY, width, height, grid);
        }
    }
    svg += rectangle(-width / 2, -height / 2, width, height,
        printed(R"(fill="none" stroke="#ff4040" stroke-width="%.2f")", text / 4));
    svg += caption(left + text, top + 1.6 * text, text,
        printed("%s on %s", std::string(view.facts->name).c_str(), date.text.c_str()));
    svg += caption(left + text, top + 3.1 * text, text,
        printed("disk %.1f px across (%.2f arcsec)", view.diskPixels, view.apparentDiameterArcsec));
    svg += caption(left + text, extent / 2 + 1.4 * text, text,
        view.fitsSensor ? printed("fits the %.0f x %.0f px sensor", width, height)
                        : printed("mosaic of %d x %d frames of %.0f x %.0f px, 10%% overlap", view.mosaicColumns,
                              view.mosaicRows, width, height));
    return svg + "</svg>\n";
}

} // namespace velmora::cli
