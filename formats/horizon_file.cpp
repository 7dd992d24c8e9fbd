#include "horizon_file.h"

#include "input_error.h"
#include "strict_number.h"
#include "text_file.h"

#include <map>
#include <vector>

namespace velmora::formats {

namespace {

constexpr std::string_view kBlanks = " \t\r";

// The line's words, split at blanks and commas.
std::vector<std::string_view> wordsOf(std::string_view line)
{
    std::vector<std::string_view> words;
    constexpr std::string_view kSeparators = " \t\r,";
    for (std::size_t start = line.find_first_not_of(kSeparators); start != std::string_view::npos;) {
        const std::size_t end = std::min(line.find_first_of(kSeparators, start), line.size());
        words.push_back(line.substr(start, end - start));
        start = line.find_first_not_of(kSeparators, end);
    }
    return words;
}

} // namespace

sky::HorizonProfile parseHorizon(std::string_view text, const std::string& path, const Warn& warn)
{
    text = withoutByteOrderMark(text);
    std::vector<sky::HorizonPoint> points;
    std::map<double, int> lineOfAzimuth;
    int lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        const auto fail = [&](const std::string& why) {
            throw InputError(path + ":" + std::to_string(lineNumber) + ": " + why);
        };
        line = line.substr(0, line.find('#'));
        if (line.find_first_not_of(kBlanks) == std::string_view::npos)
            continue;
        const std::vector<std::string_view> words = wordsOf(line);
        if (words.size() != 2)
            fail(echoed(line) + " is not an azimuth and an altitude in degrees");
        double figures[2] = {};
        for (std::size_t i = 0; i < 2; ++i) {
            try {
                figures[i] = strictNumber(words[i]);
            } catch (const InputError& error) {
                fail(std::string(i == 0 ? "the azimuth " : "the altitude ") + error.what());
            }
        }
        const auto [azimuth, altitude] = figures;
        if (azimuth < 0 || azimuth > 360)
            fail("the azimuth " + echoed(words[0]) + " is not from 0 to 360");
        if (altitude < -90 || altitude > 90)
            fail("the altitude " + echoed(words[1]) + " is not from -90 to 90");
        if (const auto [given, fresh] = lineOfAzimuth.try_emplace(azimuth, lineNumber); !fresh) {
            if (warn)
                warn(path + ":" + std::to_string(lineNumber) + ": the azimuth " + echoed(words[0]) +
                    " is given again (line " + std::to_string(given->second) + " gave it); this line counts");
            given->second = lineNumber;
        }
        points.push_back({azimuth, altitude});
    }
    sky::HorizonProfile profile(std::move(points));
    if (profile.points().size() < 2)
        throw InputError(path + ":" + std::to_string(std::max(lineNumber, 1)) +
            ": a horizon needs points at two azimuths at least, the file gives " +
            std::to_string(profile.points().size()));
    return profile;
}

sky::HorizonProfile readHorizonFile(const std::string& path, const Warn& warn)
{
    return parseHorizon(readRegularFile(path, kLargestInputFile), path, warn);
}

} // namespace velmora::formats
