#include "formats/equipment_file.h"
#include "formats/text_file.h"
#include "presets/catalogue.h"
#include "support/refusal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>

namespace velmora::formats {
namespace {

// An oculars file as the planetarium plugin writes it (a byte-order mark,
// CRLF, keys this program skips, indices that do not follow each other) and
// an observing log, from tests/data.
std::string sample(const char* name)
{
    return readRegularFile(std::string(VELMORA_TEST_DATA_DIR) + "/" + name);
}

TEST(EquipmentFile, AnOcularsFileAsUsersHaveIt)
{
    const EquipmentFile file = readEquipment(sample("ocular.ini"), "ocular.ini");
    EXPECT_TRUE(file.warnings.empty()) << file.warnings.front();
    const auto& c = file.catalogue;
    ASSERT_EQ(c.telescopes.items().size(), 2u);
    EXPECT_EQ(*c.telescopes.find("Celestron Onyx 80EDF"), (optics::Telescope {"Celestron Onyx 80EDF", 80, 500}));
    EXPECT_EQ(c.cameras.find("EOS 450D (APS-C)")->pixelSize, 5.2);
    // Without pixel sizes, the chip's size over the resolution: 3.333 x 4.444 um.
    const optics::Camera& chipOnly = *c.cameras.find("Chip only, \"quoted\"");
    EXPECT_DOUBLE_EQ(chipOnly.pixelSize, 6.4 * 1000 / 1920);
    EXPECT_DOUBLE_EQ(chipOnly.pixelHeight, 4.8 * 1000 / 1080);
    EXPECT_EQ(*c.lenses.find("F/6.3 Reducer"), (optics::Lens {"F/6.3 Reducer", 0.63}));
}

TEST(EquipmentFile, AnOalDocumentNamesByVendorAndModel)
{
    const EquipmentFile file = readEquipment(sample("observations.oal"), "log.xml");
    const auto& c = file.catalogue;
    ASSERT_EQ(c.telescopes.items().size(), 1u) << "binoculars are not a telescope here";
    EXPECT_EQ(c.telescopes.items()[0], (optics::Telescope {"Celestron C8", 203.2, 2032}));
    EXPECT_EQ(*c.lenses.find("TeleVue Barlow 2x"), (optics::Lens {"TeleVue Barlow 2x", 2}));
    EXPECT_EQ(*c.cameras.find("ZWO ASI294MC"), (optics::Camera {"ZWO ASI294MC", 4.63, 4144, 2822}));
    EXPECT_EQ(c.cameras.find("Oblong")->pixelHeight, 8.3);
}

TEST(EquipmentFile, AFileWithoutEquipmentIsSaid)
{
    for (const char* text : {"[General]\nIconResource=x.dll,3\n",
             "kind,name,aperture_mm,focal_length_mm,pixel_um,"
             "width_px,height_px,pixel_height_um,factor\n"}) {
        const EquipmentFile file = readEquipment(text, "desktop.ini");
        ASSERT_EQ(file.warnings.size(), 1u) << text;
        EXPECT_EQ(file.warnings[0], "desktop.ini: holds no telescope, camera or lens");
    }
    EXPECT_TRUE(readEquipment("[telescope]\n0\\name=T\n0\\diameter=80\n0\\focalLength=400\n[ccd]\n0\\name=C\n"
                              "0\\resolutionX=10\n0\\resolutionY=10\n0\\pixel_width=5\n",
        "one.ini")
                    .warnings.empty())
        << "a telescope and a camera are equipment";
}

TEST(EquipmentFile, PixelAndChipSizesThatDisagreeAreSaid)
{
    const auto read = [](const std::string& pixel) {
        return readEquipment(
            "[ccd]\n0\\name=Cam\n0\\resolutionX=1000\n0\\resolutionY=1000\n0\\chip_width= \t5 \t\n0\\pixel_width=" +
                pixel,
            "c.ini");
    };
    EXPECT_TRUE(read("5.05").warnings.empty()) << "1% is within";
    EXPECT_EQ(read("5.0504").warnings.size(), 1u) << "just past 1%";
    const EquipmentFile warned = read("5.06");
    ASSERT_EQ(warned.warnings.size(), 1u);
    for (const char* said : {"'Cam'", "5.06", "= 5 um"})
        EXPECT_NE(warned.warnings[0].find(said), std::string::npos) << warned.warnings[0];
    EXPECT_EQ(warned.catalogue.cameras.find("Cam")->pixelSize, 5.06) << "the pixel size is the one used";
}

struct Sniffed {
    const char* text;
    EquipmentFormat format;
};

TEST(EquipmentFile, FormatRecognisedByContent)
{
    const Sniffed rows[] = {{"kind,name\n", EquipmentFormat::Csv},
        {"; comment\n# more\n\n[telescope]\n", EquipmentFormat::OcularsIni},
        {"\xEF\xBB\xBF<?xml version=\"1.0\"?>", EquipmentFormat::Oal},
        {"  \r\n<oal:observations/>", EquipmentFormat::Oal}, {"", EquipmentFormat::Csv}};
    for (const Sniffed& row : rows)
        EXPECT_EQ(formatOf(row.text), row.format) << row.text;
}

struct Entry {
    const char* name;
    double first, second; // a telescope's aperture and focal length, a camera's pixel and width, a lens's factor
};

// Every format gives back what it was given, names byte for byte and figures
// exactly: blanks and tabs at the edges, quotes, commas, backslashes, the
// '@' that Qt's reader would take for a typed value, non-ASCII, and figures
// whose products overflow or underflow.
TEST(EquipmentFile, ExportThenImportGivesTheSameEquipment)
{
    const Entry entries[] = {{"Name, with \"quotes\"; and # marks", 101.6, 1234.5678901234},
        {"  edge blanks  ", 80, 500}, {" leading blank", 8, 50}, {"trailing blank ", 9, 60}, {"\tedge\ttabs\t", 0.5, 3},
        {"back\\slash\\", 1e308, 4.9e-324}, {"@Invalid()", 1, 1}, {"@Rect(1 2 3 4)", 2, 2}, {"@@twice", 3, 3},
        {"@ByteArray(abc)", 4, 4}, {"Ünïcødé 天文", 5e-7, 9e15}, {"a=b [c] ;d", 1e300, 1e300}, {"tiny", 1e-300, 1},
        {"x", 0.1, 12345678901}};
    optics::EquipmentCatalogue catalogue = builtInCatalogue();
    catalogue.cameras.add({"Oblong\tcamera", 8.6, 752, 582, 8.3});
    for (const Entry& e : entries) {
        catalogue.telescopes.add({e.name, e.first, e.second});
        catalogue.cameras.add({e.name, e.first, std::round(e.second) > 0 ? std::round(e.second) : 1, 1});
        catalogue.lenses.add({e.name, e.first});
    }
    for (const EquipmentFormat format : {EquipmentFormat::Csv, EquipmentFormat::OcularsIni, EquipmentFormat::Oal}) {
        const std::string text = equipmentText(catalogue, format);
        EXPECT_EQ(text.find("inf"), std::string::npos) << formatName(format);
        if (format == EquipmentFormat::OcularsIni) { // the chip's size, as planetarium programs show it
            EXPECT_NE(text.find("\\chip_width=3.584\n"), std::string::npos) << "640 px of 5.6 um";
        }
        EXPECT_EQ(formatOf(text), format);
        const EquipmentFile back = readEquipment(text, "export");
        EXPECT_TRUE(back.warnings.empty()) << formatName(format) << ": " << back.warnings.front();
        EXPECT_EQ(back.catalogue.telescopes.items(), catalogue.telescopes.items()) << formatName(format);
        EXPECT_EQ(back.catalogue.cameras.items(), catalogue.cameras.items()) << formatName(format);
        EXPECT_EQ(back.catalogue.lenses.items(), catalogue.lenses.items()) << formatName(format);
    }
}

struct BadFile {
    std::string text;
    const char* place; // what the message starts with
    const char* said;
};

const std::string kCsvHeader =
    "kind,name,aperture_mm,focal_length_mm,pixel_um,width_px,height_px,pixel_height_um,factor\n";
const std::string kOalStart = "<?xml version=\"1.0\"?>\n<oal:observations xmlns:oal=\"x\" "
                              "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" version=\"2.1\">\n";

std::string oalWith(const std::string& body)
{
    return kOalStart + body + "\n</oal:observations>\n";
}

std::string oalCamera(const std::string& inside)
{
    return oalWith(
        "<imagers><imager id=\"i\" xsi:type=\"oal:ccdCameraType\"><model>C</model>" + inside + "</imager></imagers>");
}

const std::string kCameraFigures = "<pixelsX>10</pixelsX><pixelsY>10</pixelsY><pixelXSize>5</pixelXSize>";

TEST(EquipmentFile, HostileFilesAreRefusedAtTheirPlace)
{
    // CSV, oculars INI, OAL XML
    const BadFile files[] = {{"kind,name\n", "f:1:", "the header must be"},
        {kCsvHeader + "mirror,M,1,1,,,,,\n", "f:2:", "none of telescope, camera, lens"},
        {kCsvHeader + "telescope,T,-80,500,,,,,\n", "f:2:", "aperture_mm"},
        {kCsvHeader + "camera,C,,,nan,10,10,,\n", "f:2:", "pixel_um"},
        {kCsvHeader + "camera,C,,,5,10.5,10,,\n", "f:2:", "width_px"},
        {kCsvHeader + "lens,L,,,,,,,\n", "f:2:", "factor"},
        {kCsvHeader + "lens,L,,,5,,,,2\n", "f:2:", "pixel_um must stay empty"},
        {kCsvHeader + "telescope,\xC3\x28,80,500,,,,,\n", "f:2:", "not valid UTF-8"},
        {kCsvHeader + "telescope,T,80\n", "f:2:", "expected 9"},
        {kCsvHeader + "telescope,\"T,80,500,,,,,\n", "f:2:", "not closed"},
        {kCsvHeader + "lens,L,,,,,,,2\nlens,l,,,,,,,3\n", "f:3:", "exists already"},
        {"[telescope]\n0\\name=T\n0\\focalLength=500\n", "f:2:", "has no 0\\diameter"},
        {"[telescope\n", "f:1:", "not closed"}, {"[telescope]\n0\\name\n", "f:2:", "expected key=value"},
        {"[telescope]\nx\\name=T\n", "f:2:", "does not start with an entry number"},
        {"[telescope]\n-1\\name=T\n", "f:2:", "entry number"},
        {"[telescope]\n0\\name=T\n0\\name=U\n", "f:3:", "given twice"},
        {"[telescope]\n0\\name=T\n0\\diameter=80\n", "f:2:", "has no 0\\focalLength"},
        {"[telescope]\n0\\name=T\n0\\diameter=0\n0\\focalLength=500\n", "f:3:", "0\\diameter"},
        {"[telescope]\n0\\name=T\n0\\diameter=eighty\n0\\focalLength=5\n", "f:3:", "'eighty'"},
        {"[lens]\n0\\name=L\n0\\multipler=NaN\n", "f:3:", "0\\multipler"},
        {"[lens]\n0\\name=L\n0\\multipler=0,63\n", "f:3:", "'.'"},
        {"[ccd]\n0\\name=C\n0\\resolutionX=10\n0\\resolutionY=10\n", "f:2:", "neither a pixel width nor a chip width"},
        {"[ccd]\n0\\name=C\n0\\resolutionX=10.5\n0\\resolutionY=10\n", "f:3:", "resolutionX"},
        {"[lens]\n0\\name=\n0\\multipler=2\n", "f:2:", "the name is empty"},
        {"[lens]\n0\\name=\xFF\n0\\multipler=2\n", "f:2:", "not valid UTF-8"},
        {"[lens]\n0\\name=\"L\n", "f:2:", "not closed"},
        {"[lens]\n0\\name=\"L\" x\n", "f:2:", "after the closing quote"},
        {"[lens]\n0\\name=L\n0\\multipler=2\n1\\name=L\n1\\multipler=3\n", "f:4:", "named twice"},
        {kOalStart + "<scopes><scope id=\"s\"", "f:3:", ""},
        {"<?xml version=\"1.0\"?>\n<catalog/>\n", "f:2:", "not OAL"},
        {"<?xml version=\"1.0\"?>\n<!DOCTYPE o [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n<o>&x;</o>\n",
            "f:2:1:", "document type declaration"},
        {"<?xml version=\"1.0\"?>\n<!ENTITY a \"aaaa\">\n", "f:2:1:", "not accepted"},
        {oalWith("<scopes><scope id=\"s\" xsi:type=\"oal:scopeType\"><aperture>1</aperture></scope></scopes>"),
            "f:3:", "has no <model>"},
        {oalWith("<scopes><scope id=\"s\" xsi:type=\"oal:scopeType\"><model>M</model><aperture>80</aperture>"
                 "</scope></scopes>"),
            "f:3:", "has no <focalLength>"},
        {oalWith("<scopes><scope id=\"s\" xsi:type=\"oal:scopeType\"><model>M</model><aperture>-8</aperture>"
                 "<focalLength>5</focalLength></scope></scopes>"),
            "f:3:", "<aperture>: '-8'"},
        {oalWith("<lenses><lens id=\"l\"><model>B</model><factor>NaN</factor></lens></lenses>"), "f:3:", "<factor>"},
        {oalCamera("<pixelsX>0</pixelsX><pixelsY>10</pixelsY><binning>1</binning>"), "f:3:", "<pixelsX>"},
        {oalCamera("<pixelsX>10</pixelsX><pixelsY>10</pixelsY><binning>1</binning>"), "f:3:", "neither a pixel width"},
        {oalCamera(kCameraFigures + "<binning>10</binning>"), "f:3:", "above 9"},
        {oalCamera(kCameraFigures), "f:3:", "has no <binning>"},
        {oalWith("<lenses><lens id=\"l\"><model>\xC3\x28</model><factor>2</factor></lens></lenses>"),
            "f:3:", "not UTF-8"},
        {oalWith("<lenses><lens id=\"a\"><model>B</model><factor>2</factor></lens>\n<lens id=\"b\"><model>B</model>"
                 "<factor>3</factor></lens></lenses>"),
            "f:4:", "named twice"},
        {"", "f:1:", "the file is empty"}, {" \r\n\n", "f:1:", "the file is empty"},
        {std::string("\xFF\xFE[\0c\0c\0d\0]\0", 10), "f:1:", "UTF-16"},
        {std::string("\0k\0i\0n\0d\0,", 10), "f:1:", "save it as UTF-8"},
        // Names that could not be shown, written back or told apart.
        {kCsvHeader + "lens,\"L\x01\",,,,,,,2\n", "f:2:", "control character U+0001"},
        {kCsvHeader + "lens,\"L\rM\",,,,,,,2\n", "f:2:", "U+000D"},
        {kCsvHeader + "lens,\"L\nM\",,,,,,,2\n", "f:2:", "not closed on its line"},
        {kCsvHeader + "lens,---,,,,,,,2\n", "f:2:", "no letter or digit"},
        {"[lens]\n0\\name=\"L\\n\"\n", "f:2:", "U+000A"}, {"[lens]\n0\\name=\x1B[2J\n", "f:2:", "U+001B"},
        {"[lens]\n0\\name=***\n", "f:2:", "no letter or digit"}, {"[lens]\n0\\name=L\xC2\x9B\n", "f:2:", "U+009B"},
        {"[lens]\n0\\name=L\xC2\x80\n", "f:2:", "U+0080"}, {"[lens]\n0\\name=L\xC2\x9F\n", "f:2:", "U+009F"},
        {oalWith("<lenses><lens id=\"l\"><model>L&#1;</model><factor>2</factor></lens></lenses>"), "f:3:", "U+0001"},
        {oalWith("<lenses><lens id=\"l\"><model>?</model><factor>2</factor></lens></lenses>"), "f:3:", "no letter"},
        // A pixel from the chip's size that is no size.
        {"[ccd]\n0\\name=C\n0\\resolutionX=1\n0\\resolutionY=1\n0\\chip_width=1e308\n",
            "f:2:", "not a positive finite size"},
        {"[ccd]\n0\\name=C\n0\\resolutionX=1e300\n0\\resolutionY=1\n0\\chip_width=1e-300\n",
            "f:2:", "gives a pixel width of 0 um"}};
    const std::regex lineFirst("f:[0-9]+:.*");
    for (const BadFile& file : files) {
        const std::string message = refusalOf([&] { readEquipment(file.text, "f"); });
        EXPECT_TRUE(message.starts_with(file.place)) << file.text << ": " << message;
        EXPECT_TRUE(std::regex_match(message, lineFirst)) << file.text << ": " << message;
        EXPECT_NE(message.find(file.said), std::string::npos) << file.text << ": " << message;
    }
}

// A declaration's words in a comment, in CDATA or in a name are only text.
TEST(EquipmentFile, DeclarationWordsOutsideThePrologAreText)
{
    const std::string texts[] = {"<!-- a <!DOCTYPE in a comment -->\n" + oalWith(""),
        oalWith("<!-- <!DOCTYPE x> --><lenses><lens id=\"l\"><model><![CDATA[<!ENTITY>]]> B</model>"
                "<factor>2</factor></lens></lenses>")};
    for (const std::string& text : texts) {
        const EquipmentFile file = readEquipment(text, "log.xml");
        EXPECT_LE(file.catalogue.lenses.items().size(), 1u) << text;
    }
    EXPECT_EQ(readEquipment(texts[1], "log.xml").catalogue.lenses.items()[0].name, "<!ENTITY> B");
    const std::string padded =
        oalWith("<lenses><lens id=\"l\"><model>\n  B 2x \n</model><factor>2</factor></lens></lenses>");
    EXPECT_EQ(readEquipment(padded, "log.xml").catalogue.lenses.items()[0].name, "B 2x") << "pretty-printed";
}

} // namespace
} // namespace velmora::formats
