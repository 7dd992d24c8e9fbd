#include "date_text.h"

#include "formats/input_error.h"
#include "formats/strict_number.h"
#include "formats/text_file.h"
#include "optics/name_match.h"
#include "usage_error.h"

#include <regex>

namespace velmora::cli {

sky::UtcMoment parseDate(const std::string& text)
{
    const std::string shown = "--date: " + formats::echoed(text);
    sky::UtcMoment moment {};
    if (text == "now") {
        moment = sky::currentMoment();
    } else {
        static const std::regex iso(R"((\d{4})-(\d{2})-(\d{2})(?:T(\d{2}):(\d{2})(?::(\d{2}))?Z)?)");
        std::smatch part;
        if (!std::regex_match(text, part, iso))
            throw UsageError(shown + " is not YYYY-MM-DD, YYYY-MM-DDTHH:MMZ or now");
        const auto number = [&](std::size_t i) { return part[i].matched ? std::stoi(part[i].str()) : 0; };
        moment = {number(1), number(2), number(3), number(4), number(5), double(number(6))};
        if (!sky::exists(moment))
            throw UsageError(shown + " is not a date and time that exists");
    }
    if (moment.year < sky::kFirstYear || moment.year > sky::kLastYear)
        throw UsageError(shown + " lies outside " + std::to_string(sky::kFirstYear) + " to " +
            std::to_string(sky::kLastYear) + ", where the ephemeris holds");
    return moment;
}

std::optional<sky::TimeZone> parseTimeZone(const std::string& text)
{
    if (text == "UTC")
        return std::nullopt;
    if (text == "local")
        return sky::TimeZone::system();
    try {
        return sky::TimeZone(text);
    } catch (const sky::UnknownTimeZone&) {
        const std::vector<std::string> names = sky::timeZoneNames();
        if (names.empty())
            throw formats::InputError(
                formats::echoed(text) + " cannot be looked up: the system has no time-zone database (install tzdata)");
        throw formats::InputError(formats::echoed(text) + " is not a zone of the system's time-zone database" +
            formats::didYouMean(optics::closestNames(text, names, 1)));
    }
}

} // namespace velmora::cli
