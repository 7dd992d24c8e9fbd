#include "app/window_texts.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(WindowTexts, FailureNoticeNamesTheQuantityAndTheCauseInItalian)
{
    const Outcome sun = calculate({"200", "1000", "0", "640", "480"}, ",");
    ASSERT_TRUE(sun.failure);
    EXPECT_EQ(failureMessage(*sun.failure),
        "Impossibile calcolare i km per pixel del Sole: divisione per zero.\n"
        "Il calcolo si è fermato qui: questo risultato e i successivi non sono stati aggiornati.");
}

} // namespace
} // namespace velmora
