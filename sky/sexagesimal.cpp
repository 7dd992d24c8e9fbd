#include "sexagesimal.h"

#include "units/angles.h"

#include <erfa.h>

#include <cstdio>

namespace velmora::sky {

std::string rightAscensionText(double degrees)
{
    char sign = '+';
    int hms[4] = {};
    eraA2tf(2, eraAnp(units::radians(degrees)), &sign, hms);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%02d", hms[0] % 24, hms[1], hms[2], hms[3]);
    return text;
}

std::string declinationText(double degrees)
{
    char sign = '+';
    int dms[4] = {};
    eraA2af(1, units::radians(degrees), &sign, dms);
    char text[16];
    std::snprintf(text, sizeof text, "%c%02d:%02d:%02d.%d", sign, dms[0], dms[1], dms[2], dms[3]);
    return text;
}

} // namespace velmora::sky
