#pragma once

#include <string>
#include <vector>

namespace velmora {

// A FITS image as its standard lays it out: 80-character header cards
// ("FOCALLEN= 1000", "FOCALLEN= T", "XPIXSZ  = '5.6'") in 2880-byte blocks,
// then 16-bit pixels of the given axes.
inline std::string fitsImage(const std::vector<std::string>& cards, const std::vector<long>& axes)
{
    std::vector<std::string> all = {"SIMPLE  = T", "BITPIX  = 16", "NAXIS   = " + std::to_string(axes.size())};
    long pixels = 1;
    for (std::size_t i = 0; i < axes.size(); ++i) {
        all.push_back(
            "NAXIS" + std::to_string(i + 1) + std::string(i < 9 ? 3 : 2, ' ') + "= " + std::to_string(axes[i]));
        pixels *= axes[i];
    }
    all.insert(all.end(), cards.begin(), cards.end());
    all.push_back("END");
    std::string header;
    for (const std::string& card : all)
        header += card + std::string(80 - card.size(), ' ');
    header.resize((header.size() + 2879) / 2880 * 2880, ' ');
    std::string data(static_cast<std::size_t>(pixels * 2), '\0');
    data.resize((data.size() + 2879) / 2880 * 2880, '\0');
    return header + data;
}

} // namespace velmora
