#include "formats/csv_catalogue.h"
#include "formats/csv_records.h"
#include "formats/text_file.h"
#include "presets/catalogue.h"
#include "support/refusal.h"
#include "support/temp_file.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace velmora::formats {
namespace {

using Fields = std::vector<std::string>;

struct RecordsRow {
    const char* name;
    std::string text;
    std::vector<Fields> records;
};

TEST(CsvRecords, ReadRfc4180)
{
    const RecordsRow rows[] = {{"Plain", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}},
        {"CrLfAndNoFinalEnd", "a,b\r\n1,2", {{"a", "b"}, {"1", "2"}}},
        {"ByteOrderMark",
            "\xEF\xBB\xBF"
            "a,b\n",
            {{"a", "b"}}},
        {"QuotedComma", "\"x, y\",2\n", {{"x, y", "2"}}},
        {"DoubledQuote", "\"say \"\"hi\"\"\",2\n", {{"say \"hi\"", "2"}}}, {"EmptyFields", ",,\n", {{"", "", ""}}},
        {"BlankLinesLeftOut", "a\n\n\r\nb\n", {{"a"}, {"b"}}}};
    for (const RecordsRow& row : rows) {
        std::vector<Fields> read;
        forEachCsvRecord(row.text, "t.csv", ',',
            [&](const CsvView& record) { read.emplace_back(record.fields.begin(), record.fields.end()); });
        EXPECT_EQ(read, row.records) << row.name;
    }
    // A record is one line: a quote left open does not swallow the lines after it.
    for (const char* text : {"a\n\"open,1\n", "a\n\"two\nlines\",2\n", "a\n\"b\nc\"\nd\n"})
        EXPECT_EQ(refusalOf([&] { forEachCsvRecord(text, "t.csv", ',', [](const CsvView&) {}); }),
            "t.csv:2: a quoted field is not closed on its line");
}

// The first form of the header, before lenses and pixel heights, as files
// written then have it.
const std::string kHeader = "kind,name,aperture_mm,focal_length_mm,pixel_um,width_px,height_px\n";

struct BadLine {
    std::string line;
    const char* named;
};

// A lens takes only its factor: each figure of a tube or a camera is refused
// in its own column.
TEST(CsvCatalogue, ALensTakesOnlyItsFactor)
{
    const std::string header =
        "kind,name,aperture_mm,focal_length_mm,pixel_um,width_px,height_px,pixel_height_um,factor\n";
    const BadLine bad[] = {{"lens,L,80,,,,,,2", "aperture_mm must stay empty"},
        {"lens,L,,400,,,,,2", "focal_length_mm must stay empty"}, {"lens,L,,,3,,,,2", "pixel_um must stay empty"},
        {"lens,L,,,,10,,,2", "width_px must stay empty"}, {"lens,L,,,,,10,,2", "height_px must stay empty"},
        {"lens,L,,,,,,3,2", "pixel_height_um must stay empty"}};
    for (const BadLine& row : bad) {
        optics::EquipmentCatalogue catalogue;
        const std::string refusal = refusalOf([&] { addCsvCatalogue(catalogue, header + row.line + "\n", "my.csv"); });
        EXPECT_NE(refusal.find(row.named), std::string::npos) << row.line << ": " << refusal;
    }
}

// A last line without its line end is read like any other.
TEST(CsvCatalogue, TheLastLineNeedsNoLineEnd)
{
    optics::EquipmentCatalogue catalogue;
    addCsvCatalogue(catalogue, kHeader + "camera,C,,,2,10,1\ntelescope,T,100,500,,,", "my.csv");
    ASSERT_EQ(catalogue.telescopes.items().size(), 1u);
    EXPECT_EQ(catalogue.telescopes.items()[0], (optics::Telescope {"T", 100, 500}));
}

TEST(CsvCatalogue, ABadLineIsNamed)
{
    const BadLine bad[] = {{"telescope,X,254,abc,,,", "my.csv:2: focal_length_mm: 'abc'"},
        {"camera,Y,,,2.9,1936", "my.csv:2: expected 7 comma-separated columns, found 6"},
        {"telescope,Z,254,1200,3,,", "my.csv:2: pixel_um must stay empty for a telescope"},
        {"camera,Z,1,,3,4,5", "my.csv:2: aperture_mm must stay empty"},
        {"camera,Z,,1,3,4,5", "my.csv:2: focal_length_mm must stay empty"},
        {"telescope,Z,254,1200,,,5", "my.csv:2: height_px must stay empty"},
        {"telescope,Celestron OTC 8,1,1,,,", "my.csv:2: a telescope named 'Celestron OTC 8' exists already"},
        {"camera,C,,,2,10,1\ntelescope,T,1e999,100,,,", "my.csv:3: aperture_mm: '1e999'"}};
    for (const BadLine& row : bad) {
        optics::EquipmentCatalogue catalogue = builtInCatalogue();
        const std::string refusal = refusalOf([&] { addCsvCatalogue(catalogue, kHeader + row.line + "\n", "my.csv"); });
        EXPECT_NE(refusal.find(row.named), std::string::npos) << row.line << ": " << refusal;
    }
    for (const std::string header : {"", "name,kind\n", "kind,name\n"}) {
        optics::EquipmentCatalogue catalogue;
        EXPECT_THROW(addCsvCatalogue(catalogue, header, "my.csv"), InputError) << header;
    }
}

// Special files and folders are refused by the command line's tests.
TEST(TextFile, FilesUpToTheBoundAreRead)
{
    const std::string path = tempFile("velmora_small.csv", "hello");
    EXPECT_EQ(readRegularFile(path, 5), "hello") << "as large as allowed";
    const std::string larger = refusalOf([&] { readRegularFile(path, 4); });
    EXPECT_NE(larger.find("it is larger than"), std::string::npos) << larger;
    EXPECT_NE(refusalOf([] { readRegularFile(""); }).find("an empty file name"), std::string::npos);
    const std::string megabyte = tempFile("megabyte.csv", std::string((1 << 20) + 1, 'x'));
    EXPECT_NE(refusalOf([&] { readRegularFile(megabyte, 1 << 20); }).find("larger than 1 MB"), std::string::npos);
    std::remove(path.c_str());
}

TEST(TextFile, TextsAreShownSafelyOnATerminal)
{
    EXPECT_EQ(printable("ok\x1b[31m\n"), "ok\\x1B[31m\\x0A");
    EXPECT_EQ(printable("\x1f\x7f \x20~"), "\\x1F\\x7F  ~");
    EXPECT_EQ(printable("Bad\xFFName"), "Bad\\xFFName");
    EXPECT_EQ(printable("Nettuno \xC3\xA8"), "Nettuno \xC3\xA8");
}

TEST(TextFile, Utf8IsCheckedByTheStandardsTable)
{
    const std::pair<std::string, bool> texts[] = {{"plain", true}, {"Nettuno \xC3\xA8", true}, {"\xE2\x82\xAC", true},
        {"\xF0\x9F\x94\xAD", true}, {"\xC2\x80", true}, {"\xE0\xA0\x80", true}, {"\xF0\x90\x80\x80", true},
        {"\xF4\x8F\xBF\xBF", true}, {"\xFF", false}, {"\xC0\xAF", false}, {"\xE0\x80\xAF", false},
        {"\xED\xA0\x80", false}, {"\xF4\x90\x80\x80", false}, {"\xE2\x82", false}};
    for (const auto& [text, valid] : texts)
        EXPECT_EQ(isValidUtf8(text), valid) << text;
}

} // namespace
} // namespace velmora::formats
