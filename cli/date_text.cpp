#include "date_text.h"

#include "formats/strict_number.h"
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

} // namespace velmora::cli
