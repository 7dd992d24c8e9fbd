#include "calc/calculation.h"
#include "calc/memory_fields.h"
#include "report/report_line.h"
#include "report/save_report.h"
#include "report/windows1252.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>

namespace velmora {
namespace {

namespace fs = std::filesystem;

const std::string kExampleLine =
    "Diametro ottica200mmFocale ottica1000mmDimensione pixel7.4mMDimensione sensoreLunghezzapixel640"
    "Dimensione sensoreAltezzapixel480POTERE RISOLUTIVO  (\")CAMPO X PIXEL  (\")MAGNITUDINE CCD"
    "RAPPORTO FOCALE  f/DIAGONALE SENSORE CCD mmCAMPO SENSORE (')LunghezzaCAMPO SENSORE (')Altezza";

// The main window right after start, with its label captions.
MemoryFields freshWindow()
{
    MemoryFields fields;
    const std::pair<const char*, const char*> captions[] = {{"Label1", "Diametro ottica"}, {"Label4", "mm"},
        {"Label2", "Focale ottica"}, {"Label5", "mm"}, {"Label3", "Dimensione pixel"}, {"Label6", "mM"},
        {"Label19", "Dimensione sensore"}, {"Label21", "Lunghezza"}, {"Label20", "Altezza"}, {"Label22", "pixel"},
        {"Label11", "POTERE RISOLUTIVO  (\")"}, {"Label17", "CAMPO X PIXEL  (\")"}, {"Label13", "MAGNITUDINE CCD"},
        {"Label18", "RAPPORTO FOCALE  f/"}, {"Label14", "DIAGONALE SENSORE CCD mm"}, {"Label23", "CAMPO SENSORE (')"},
        {"Label25", "Lunghezza"}, {"Label24", "Altezza"}};
    for (auto [label, caption] : captions)
        fields.setCaption(label, caption);
    return fields;
}

MemoryFields exampleInputs()
{
    MemoryFields fields = freshWindow();
    setInputs(fields, "200", "1000", "7.4", "640", "480");
    return fields;
}

std::string contentsOf(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ReportFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("velmora-report-" + std::to_string(std::random_device {}()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    bool save(MemoryFields& fields, const fs::path& path)
    {
        fields.setText("NomeFile", path.string());
        return saveReport(fields, messages_);
    }
    std::size_t filesInDir() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }

    fs::path dir_;
    MessageLog messages_;
};

TEST(ReportLine, ExampleWithoutCalculationIsExact)
{
    EXPECT_EQ(buildReportLine(exampleInputs()), kExampleLine);
    EXPECT_EQ(kExampleLine.size(), 276u);
}

TEST(ReportLine, AfterACalculationCarriesTheDisplayedResults)
{
    MemoryFields fields = exampleInputs();
    fields.setText("Text3", "5.6");
    MessageLog messages;
    runCalculation(fields, messages, ",");
    fields.setText("Text6", "edited by hand");
    const std::string line = buildReportLine(fields);
    EXPECT_NE(line.find("POTERE RISOLUTIVO  (\")0,6CAMPO X PIXEL  (\")1,155168MAGNITUDINE CCDedited by hand"
                        "RAPPORTO FOCALE  f/5DIAGONALE SENSORE CCD mm4,48CAMPO SENSORE (')Lunghezza12,321792"
                        "CAMPO SENSORE (')Altezza9,241344"),
        std::string::npos)
        << line;
    EXPECT_EQ(line.find("13,30515"), std::string::npos) << "the visual magnitude is not reported";
}

TEST(ReportLine, NothingIsValidated)
{
    MemoryFields fields = exampleInputs();
    fields.setText("Text1", "abc");
    EXPECT_EQ(buildReportLine(fields).rfind("Diametro otticaabcmmFocale ottica", 0), 0u);
}

TEST(Windows1252, MapsLatinAndTheHighBlockAndMarksTheRest)
{
    EXPECT_EQ(toWindows1252("abc"), "abc");
    EXPECT_EQ(toWindows1252("\u00E8\u00B5\u00FF"), "\xE8\xB5\xFF");
    EXPECT_EQ(toWindows1252("\u20AC\u2019\u0178"), "\x80\x92\x9F");
    EXPECT_EQ(toWindows1252("\u03BC\u4E2D\U0001F52D"), "???");
    EXPECT_EQ(toWindows1252("\u0081"), "?"); // a C1 control has no place in the code page
    EXPECT_EQ(toWindows1252("a\xFF"
                            "b\xC3"),
        "a?b?"); // broken UTF-8
    EXPECT_EQ(toWindows1252("\xC0\x80"), "??"); // overlong form
    EXPECT_EQ(toWindows1252("\xED\xA0\x80"), "???"); // a lone surrogate
}

TEST_F(ReportFile, ExampleSaveWritesTheLineAndCrLf278Bytes)
{
    MemoryFields fields = exampleInputs();
    const fs::path path = dir_ / "prova.TXT";
    EXPECT_TRUE(save(fields, path));
    EXPECT_EQ(contentsOf(path), kExampleLine + "\r\n");
    EXPECT_EQ(fs::file_size(path), 278u);
    const ShownMessage success {"Salvataggio effettuato!", "Salva", MessageIcon::Information};
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0], success);
    EXPECT_EQ(filesInDir(), 1u) << "no temporary file left";
}

TEST_F(ReportFile, EmptyPathFailsAndCreatesNothing)
{
    MemoryFields fields = exampleInputs();
    const fs::path before = fs::current_path();
    fs::current_path(dir_);
    fields.setText("NomeFile", "");
    EXPECT_FALSE(saveReport(fields, messages_));
    fs::current_path(before);
    const ShownMessage failure {"Si è verificato un errore nel salvataggio.", "Salva", MessageIcon::Stop};
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0], failure);
    EXPECT_EQ(filesInDir(), 0u);
}

TEST_F(ReportFile, NameWithoutExtensionIsUsedVerbatimRelativeToTheCurrentFolder)
{
    MemoryFields fields = exampleInputs();
    const fs::path before = fs::current_path();
    fs::current_path(dir_);
    fields.setText("NomeFile", "prova ");
    EXPECT_TRUE(saveReport(fields, messages_));
    fs::current_path(before);
    EXPECT_TRUE(fs::is_regular_file(dir_ / "prova "));
    EXPECT_EQ(filesInDir(), 1u);
}

TEST_F(ReportFile, MissingFolderFailsAndCreatesNoFolder)
{
    MemoryFields fields = exampleInputs();
    EXPECT_FALSE(save(fields, dir_ / "missing" / "prova.TXT"));
    EXPECT_FALSE(fs::exists(dir_ / "missing"));
    EXPECT_EQ(messages_.shown().back().icon, MessageIcon::Stop);
}

TEST_F(ReportFile, AFolderIsNotAFile)
{
    MemoryFields fields = exampleInputs();
    EXPECT_FALSE(save(fields, dir_));
    fields.setText("NomeFile", dir_.string() + "/");
    EXPECT_FALSE(saveReport(fields, messages_));
    EXPECT_TRUE(fs::is_directory(dir_));
}

TEST_F(ReportFile, SavingTwiceReplacesTheFirstLine)
{
    MemoryFields fields = exampleInputs();
    const fs::path path = dir_ / "twice.txt";
    ASSERT_TRUE(save(fields, path));
    fields.setText("Text1", "150");
    ASSERT_TRUE(save(fields, path));
    const std::string written = contentsOf(path);
    EXPECT_EQ(written.find("\r\n"), written.size() - 2);
    EXPECT_EQ(written.rfind("Diametro ottica150mm", 0), 0u);
}

TEST_F(ReportFile, NonAsciiCharactersGoOutOneByteEach)
{
    MemoryFields fields = exampleInputs();
    fields.setText("Text1", "200\u00E8\u20AC\u03BC");
    const fs::path path = dir_ / "accent.txt";
    ASSERT_TRUE(save(fields, path));
    EXPECT_EQ(contentsOf(path).rfind("Diametro ottica200\xE8\x80?mm", 0), 0u);
    EXPECT_EQ(fs::file_size(path), 281u);
}

TEST_F(ReportFile, PermissionBitsOfTheOldFileAreKept)
{
    MemoryFields fields = exampleInputs();
    const fs::path path = dir_ / "mode.txt";
    std::ofstream(path) << "old";
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(save(fields, path));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// A write that fails half-way (here: past the file size limit, as on a full
// disk) must leave the previous report whole and no temporary file behind.
TEST_F(ReportFile, FailedWriteKeepsTheOldReport)
{
    MemoryFields fields = exampleInputs();
    const fs::path path = dir_ / "kept.txt";
    std::ofstream(path) << "old report\r\n";

    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous {};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = save(fields, path);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(messages_.shown().back().text, "Si è verificato un errore nel salvataggio.");
    EXPECT_EQ(contentsOf(path), "old report\r\n");
    EXPECT_EQ(filesInDir(), 1u);
}

TEST_F(ReportFile, DeviceThatRefusesTheWriteFails)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    MemoryFields fields = exampleInputs();
    fields.setText("NomeFile", "/dev/full");
    EXPECT_FALSE(saveReport(fields, messages_));
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST_F(ReportFile, DevNullStaysADevice)
{
    MemoryFields fields = exampleInputs();
    fields.setText("NomeFile", "/dev/null");
    EXPECT_TRUE(saveReport(fields, messages_));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(ReportFile, SymbolicLinkKeepsPointingAtTheUpdatedReport)
{
    MemoryFields fields = exampleInputs();
    const fs::path real = dir_ / "real.txt";
    const fs::path link = dir_ / "link.txt";
    std::ofstream(real) << "old";
    fs::create_symlink(real, link);
    ASSERT_TRUE(save(fields, link));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contentsOf(real), kExampleLine + "\r\n");
}

TEST_F(ReportFile, FifoIsWrittenInPlaceNotReplaced)
{
    const fs::path fifo = dir_ / "pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = contentsOf(fifo); });
    MemoryFields fields = exampleInputs();
    EXPECT_TRUE(save(fields, fifo));
    reader.join();
    EXPECT_EQ(received, kExampleLine + "\r\n");
    EXPECT_TRUE(fs::is_fifo(fifo));
}

} // namespace
} // namespace velmora
