#include "value_readers.h"

#include "figure_option.h"
#include "formats/exact_number.h"
#include "formats/input_error.h"
#include "formats/readable_number.h"
#include "formats/strict_number.h"

namespace velmora::cli {

// The numbers of a text split at `separator`; a refusal quotes the whole.
std::vector<double> numbersOf(const std::string& text, char separator)
{
    std::vector<double> numbers;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        try {
            numbers.push_back(formats::strictNumber(text.substr(start, end - start)));
        } catch (const formats::InputError& error) {
            throw formats::InputError(formats::echoed(text) + ": " + error.what());
        }
        if (end == std::string::npos)
            return numbers;
        start = end + 1;
    }
}

void requireWithin(double value, double lowest, double highest, const std::string& what)
{
    if (value < lowest || value > highest)
        throw formats::InputError(what + " " + formats::exactNumber(value) + " is not from " +
            formats::readableNumber(lowest) + " to " + formats::readableNumber(highest));
}

std::pair<double, double> bandOf(const std::string& text)
{
    const std::vector<double> ends = numbersOf(text, '-');
    if (ends.size() != 2 || !(ends[0] < ends[1]))
        throw formats::InputError(formats::echoed(text) + " is not a band NM-NM from shorter to longer");
    requireWithin(ends[0], planning::FigureId::BandShortest);
    requireWithin(ends[1], planning::FigureId::BandLongest);
    return {ends[0], ends[1]};
}

} // namespace velmora::cli
