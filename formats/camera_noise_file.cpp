#include "camera_noise_file.h"

#include "input_error.h"
#include "optics/plausible_range.h"
#include "strict_number.h"
#include "text_file.h"
#include "xml_reading.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace velmora::formats {

namespace {

using xml::child;
using xml::localName;

// The elements of that local name below `node` at any depth, in document
// order. Walked without recursion, so that no nesting can exhaust the stack.
std::vector<pugi::xml_node> descendants(const pugi::xml_node& node, std::string_view name)
{
    std::vector<pugi::xml_node> found;
    pugi::xml_node at = node.first_child();
    while (at && at != node) {
        if (at.type() == pugi::node_element && localName(at.name()) == name)
            found.push_back(at);
        if (at.first_child()) {
            at = at.first_child();
            continue;
        }
        while (at != node && !at.next_sibling())
            at = at.parent();
        if (at != node)
            at = at.next_sibling();
    }
    return found;
}

std::string upperCase(std::string text)
{
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

class Reader : public xml::Reader {
public:
    using xml::Reader::Reader;

    std::optional<bool> colour(const pugi::xml_node& camera) const
    {
        if (!child(camera, "SensorType"))
            return std::nullopt;
        const std::string type = upperCase(textOf(camera, "SensorType"));
        if (type != "MONOCHROME" && type != "COLOR")
            fail(child(camera, "SensorType"), "<SensorType> " + echoed(type) + " is not MONOCHROME or COLOR");
        return type == "COLOR";
    }
    // A share, or a percentage past 1.
    std::optional<double> quantumEfficiency(const pugi::xml_node& camera) const
    {
        const auto value = optionalNumber(camera, "CameraQuantumEfficiency", NumberKind::Positive);
        if (value && *value > 100)
            fail(child(camera, "CameraQuantumEfficiency"), "<CameraQuantumEfficiency> is above 100%");
        return value && *value > 1 ? *value / 100 : value;
    }
    double plausible(const pugi::xml_node& point, std::string_view name, const optics::PlausibleRange& range) const
    {
        const double value = number(point, name, NumberKind::Finite);
        if (!range.holds(value))
            fail(child(point, name), "<" + std::string(name) + "> " + textOf(point, name) + " " + range.refusal());
        return value;
    }
    optics::ReadNoiseTable table(const pugi::xml_node& mode) const
    {
        std::vector<optics::GainReadNoise> points;
        for (const pugi::xml_node& point : descendants(mode, "GainReadNoiseValue")) {
            const optics::GainReadNoise read {
                plausible(point, "Gain", optics::kGainRange), plausible(point, "ReadNoise", optics::kReadNoiseRange)};
            if (std::ranges::find(points, read.gain, &optics::GainReadNoise::gain) != points.end())
                fail(point, "gain " + textOf(point, "Gain") + " is given twice in this read mode");
            points.push_back(read);
        }
        if (points.empty())
            fail(mode, "<CameraGainReadMode> has no <GainReadNoiseValue>");
        return optics::ReadNoiseTable(std::move(points));
    }
};

} // namespace

CameraNoise parseCameraNoise(std::string_view text, const std::string& path)
{
    pugi::xml_document document;
    xml::load(document, text, path);
    const Reader reader(text, path);
    const pugi::xml_node root = document.document_element();
    const std::vector<pugi::xml_node> modes = descendants(document, "CameraGainReadMode");
    if (modes.empty())
        reader.fail(root, "no <CameraGainReadMode>: the file gives no read noise");
    const pugi::xml_node camera = modes.front().parent();
    return {
        reader.textOf(camera, "CameraId"),
        reader.colour(camera),
        reader.optionalNumber(camera, "CameraPixelSize", NumberKind::Positive),
        reader.quantumEfficiency(camera),
        reader.table(modes.front()),
        modes.size(),
    };
}

CameraNoise readCameraNoiseFile(const std::string& path)
{
    return parseCameraNoise(readRegularFile(path), path);
}

} // namespace velmora::formats
