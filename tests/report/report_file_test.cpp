#include "report/report_file.h"
#include "report/windows1252.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

TEST(ReportFile, PiecesAreJoinedWithNothingBetweenAndEndWithCrLf)
{
    const std::vector<std::string> pieces = {"Diametro ottica", "200", "mm", "", "POTERE RISOLUTIVO  (\")", "0,6"};
    EXPECT_EQ(reportFileBytes(pieces), "Diametro ottica200mmPOTERE RISOLUTIVO  (\")0,6\r\n");
    EXPECT_EQ(reportFileBytes({}), "\r\n");
}

TEST(ReportFile, TypedCharactersGoOutOneByteEachInTheCodePage)
{
    const std::vector<std::string> pieces = {"200\u00E8\u20AC\u03BC", "mm"};
    EXPECT_EQ(reportFileBytes(pieces), "200\xE8\x80?mm\r\n");
}

struct EncodingRow {
    const char* name;
    std::string utf8;
    std::string bytes;
};

TEST(Windows1252, EncodesOneByteACharacter)
{
    const EncodingRow rows[] = {{"Ascii", "abc", "abc"}, {"Latin1", "\u00A0\u00E8\u00B5\u00FF", "\xA0\xE8\xB5\xFF"},
        {"HighBlock", "\u20AC\u2019\u0178", "\x80\x92\x9F"}, {"OutsideTheCodePage", "\u03BC\u4E2D\U0001F52D", "???"},
        {"C1Control", "\u0081", "?"},
        {"BrokenUtf8",
            "a\xFF"
            "b\xC3",
            "a?b?"},
        {"OverlongForm", "\xC0\x80", "??"}, {"LoneSurrogates", "\xED\xA0\x80\xED\xBF\xBF", "??????"}};
    for (const EncodingRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(toWindows1252(row.utf8), row.bytes);
    }
}

} // namespace
} // namespace velmora
