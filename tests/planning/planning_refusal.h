#pragma once

#include "planning/refusal.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace velmora::planning {

// The subject a request is refused about, and whether a figure was missing.
struct Refused {
    Subject subject;
    bool missing;
    std::string reason;
};

inline Refused refusalOf(const std::function<void()>& answer)
{
    try {
        answer();
    } catch (const Refusal& refusal) {
        return {refusal.subject(), refusal.missing(), refusal.what()};
    }
    ADD_FAILURE() << "not refused";
    return {Subject::Frame, false, ""};
}

} // namespace velmora::planning
