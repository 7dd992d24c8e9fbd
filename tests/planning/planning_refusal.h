#pragma once

#include "planning/refusal.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace velmora::planning {

// What a request is refused about, and why.
struct Refused {
    Subject subject;
    Reason reason;
    std::vector<double> figures;
    std::string name;
    std::vector<std::string> closest;
};

inline Refused refusalOf(const std::function<void()>& answer)
{
    try {
        answer();
    } catch (const Refusal& refusal) {
        return {refusal.subject(), refusal.reason(), refusal.figures(), refusal.name(), refusal.closest()};
    }
    ADD_FAILURE() << "not refused";
    return {Subject::Frame, Reason::Missing, {}, {}, {}};
}

} // namespace velmora::planning
