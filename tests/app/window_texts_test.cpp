#include "app/window_texts.h"

#include <gtest/gtest.h>

#include <set>

namespace velmora {
namespace {

TEST(WindowTexts, FailureNoticeNamesTheQuantityAndTheCauseInItalian)
{
    const Outcome sun = calculate({"200", "1000", "0", "640", "480"}, ",");
    ASSERT_TRUE(sun.failure);
    EXPECT_EQ(failureMessage(*sun.failure),
        "Impossibile calcolare i km per pixel del Sole: divisione per zero.\n"
        "Il calcolo si è fermato qui: questo risultato e i successivi non sono stati aggiornati.");
    // Each cause has words of its own.
    std::set<std::string_view> causes;
    for (const FailureCause cause :
        {FailureCause::DivisionByZero, FailureCause::Overflow, FailureCause::LogarithmOfNonPositive})
        causes.insert(causeText(cause));
    EXPECT_EQ(causes.size(), 3u);
    EXPECT_TRUE(causes.contains("logaritmo di zero o di un numero negativo"));
}

} // namespace
} // namespace velmora
