#include "formats/openngc.h"
#include "support/refusal.h"

#include <gtest/gtest.h>

namespace velmora::formats {
namespace {

// The catalogue's own header and a line as it writes them.
const std::string kHeader =
    "Name;Type;RA;Dec;Const;MajAx;MinAx;PosAng;B-Mag;V-Mag;J-Mag;H-Mag;K-Mag;SurfBr;Hubble;Pax;Pm-RA;Pm-Dec;RadVel;"
    "Redshift;Cstar U-Mag;Cstar B-Mag;Cstar V-Mag;M;NGC;IC;Cstar Names;Identifiers;Common names;NED notes;OpenNGC "
    "notes;Sources\n";

std::string line(const std::string& name, const std::string& type, const std::string& ra, const std::string& dec,
    const std::string& axes, const std::string& messier = "", const std::string& common = "",
    const std::string& ngc = "")
{
    return name + ";" + type + ";" + ra + ";" + dec + ";And;" + axes + ";4.29;3.44;;;;;;;;;;;;;;" + messier + ";" +
        ngc + ";;;;" + common + ";;\"a note; with a semicolon\";Type:1\n";
}

const std::string kM31 =
    line("NGC0224", "G", "00:42:44.35", "+41:16:08.6", "177.83;69.66;35", "031", "Andromeda Galaxy");

TEST(OpenNgc, ReadsTheCatalogueLines)
{
    std::string crlf;
    for (const char c : kHeader + kM31)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& text : {kHeader + kM31, "\xEF\xBB\xBF" + kHeader + kM31, crlf}) {
        sky::DeepSkyCatalogue catalogue;
        addOpenNgc(catalogue, text, "NGC.csv");
        const sky::DeepSkyObject* m31 = catalogue.find("andromeda galaxy");
        ASSERT_NE(m31, nullptr);
        EXPECT_EQ(m31->messier, 31);
        EXPECT_EQ(*m31->majorAxis, 177.83);
        EXPECT_EQ(*m31->minorAxis, 69.66);
        EXPECT_EQ(*m31->positionAngle, 35);
        EXPECT_EQ(*m31->magnitude, 3.44); // V before B
        EXPECT_EQ(m31->magnitudeBand, 'V');
        EXPECT_EQ(m31->type->words, "galaxy");
    }
}

// Common names are listed between commas; an empty place between them names nothing.
TEST(OpenNgc, CommonNamesAreTheTextsBetweenCommas)
{
    sky::DeepSkyCatalogue catalogue;
    addOpenNgc(catalogue,
        kHeader +
            line("NGC0224", "G", "00:42:44.35", "+41:16:08.6", "177.83;69.66;35", "031",
                ",Andromeda Galaxy,,Great Nebula in Andromeda,"),
        "NGC.csv");
    EXPECT_EQ(catalogue.find("M31")->commonNames,
        (std::vector<std::string> {"Andromeda Galaxy", "Great Nebula in Andromeda"}));
}

TEST(OpenNgc, ADuplicateOfADuplicateLeadsToTheObject)
{
    sky::DeepSkyCatalogue catalogue;
    addOpenNgc(catalogue,
        kHeader + kM31 + line("NGC0001", "Dup", "", "", ";;", "031") +
            line("IC0002", "Dup", "", "", ";;", "", "", "0001"),
        "NGC.csv");
    ASSERT_NE(catalogue.find("IC2"), nullptr);
    EXPECT_EQ(catalogue.find("IC2")->name, "NGC0224");
}

struct BadFile {
    std::string text;
    const char* message; // after "NGC.csv:"
};

TEST(OpenNgc, DamagedFilesAreRefusedWithTheirLine)
{
    const BadFile files[] = {{"", "1: the file is empty"}, {"Name;Type;RA\n", "1: the header has no column 'Dec'"},
        {kHeader + kM31.substr(0, 60) + "\n", "2: the line has"},
        {kHeader + kM31.substr(0, kM31.size() - 1), "2: the file ends in the middle of a line"},
        {kHeader + line("X1", "Blob", "00:00:00.0", "+00:00:00", ";;"), "2: unknown type 'Blob'"},
        {kHeader + line("X1", "G", "24:00:00.0", "+00:00:00", ";;"), "2: RA '24:00:00.0'"},
        {kHeader + line("X1", "G", "01:60:00.0", "+00:00:00", ";;"), "2: RA"},
        {kHeader + line("X1", "G", "01:00:00.0", "+90:00:01", ";;"), "2: RA"},
        {kHeader + line("X1", "G", "01:00:00.0", "41:00:00", ";;"), "2: RA"},
        {kHeader + line("X1", "G", "01:00:-1", "+41:00:00", ";;"), "2: RA"},
        {kHeader + line("X1", "G", "01:00:00.0", "", ";;"), "2: RA"},
        {kHeader + line("X1", "G", "", "", "-5;;"), "2: MajAx '-5' is not a positive number"},
        {kHeader + line("X1", "G", "", "", "12abc;;"), "2: MajAx '12abc' is not"},
        {kHeader + line("X1", "G", "", "", "1;0;"), "2: MinAx '0' is not a positive number"},
        {kHeader + line("X1", "G", "", "", "1;1;nan"), "2: PosAng 'nan'"},
        {kHeader + line("X1", "G", "", "", ";;", "111"), "2: M '111' is not a Messier number"},
        {kHeader + line("X1", "G", "", "", ";;", "3.5"), "2: M '3.5' is not a Messier number"},
        {kHeader + line("X\xFF", "G", "", "", ";;"), "2: a name is not UTF-8"},
        {kHeader + line("", "G", "", "", ";;"), "2: the object has no name"},
        {kHeader + "\"X1;G\n", "2: a quoted field is not closed"},
        // A stray quote is refused at its own line, not left to swallow the lines after it.
        {kHeader + kM31.substr(0, 8) + "\"" + kM31.substr(8) + "\n" + kM31 + "\n", "2: the line has 4 fields"}};
    for (const BadFile& file : files) {
        sky::DeepSkyCatalogue catalogue;
        const std::string refusal = refusalOf([&] { addOpenNgc(catalogue, file.text, "NGC.csv"); });
        EXPECT_TRUE(refusal.starts_with(std::string("NGC.csv:") + file.message)) << file.text << ": " << refusal;
    }
}

TEST(OpenNgc, AMissingFileIsNamed)
{
    const std::string refusal = refusalOf([] { loadOpenNgc("/nonexistent/openngc"); });
    EXPECT_NE(refusal.find("/nonexistent/openngc/NGC.csv"), std::string::npos) << refusal;
}

} // namespace
} // namespace velmora::formats
