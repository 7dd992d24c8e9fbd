#include "ui/report_writer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <thread>

namespace velmora::ui {
namespace {

const QByteArray kReport = "Diametro ottica200mm\r\n";

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Runs `save` with writes failing past `bytes`, as on a full disk.
template <typename Save> bool withFileSizeLimit(rlim_t bytes, Save save)
{
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous {};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limited = previous;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
    const bool saved = save();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, handler);
    return saved;
}

class ReportWriter : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QStringList entries() const
    {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    QTemporaryDir dir_;
};

TEST_F(ReportWriter, SavingAgainReplacesTheWholeFile)
{
    put(path("twice.txt"), "a much longer previous report that must not survive\r\n");
    EXPECT_TRUE(writeReportFile(path("twice.txt"), kReport));
    EXPECT_EQ(contentsOf(path("twice.txt")), kReport);
    EXPECT_EQ(entries(), QStringList {"twice.txt"});
}

TEST_F(ReportWriter, RefusedPathsWriteNothing)
{
    const QString withNul = path("nul.txt") + QChar(u'\0') + QStringLiteral(".bak");
    for (const QString& refused : {QString(), withNul, path("missing/prova.TXT"), dir_.path(), dir_.path() + "/"})
        EXPECT_FALSE(writeReportFile(refused, kReport)) << refused.toStdString();
    EXPECT_TRUE(entries().isEmpty()) << entries().join(' ').toStdString();
}

// A write that fails half-way must leave the previous report whole and no
// temporary file behind.
TEST_F(ReportWriter, FailedWriteKeepsTheOldReport)
{
    const QByteArray old = "old report\r\n";
    put(path("kept.txt"), old);
    EXPECT_FALSE(withFileSizeLimit(100, [&] { return writeReportFile(path("kept.txt"), QByteArray(4096, 'x')); }));
    EXPECT_EQ(contentsOf(path("kept.txt")), old);
    EXPECT_EQ(entries(), QStringList {"kept.txt"});
}

TEST_F(ReportWriter, PermissionBitsOfTheOldFileAreKept)
{
    put(path("mode.txt"), "old");
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QFile::setPermissions(path("mode.txt"), mode);
    ASSERT_TRUE(writeReportFile(path("mode.txt"), kReport));
    EXPECT_EQ(QFile::permissions(path("mode.txt")) & ~(QFile::ReadUser | QFile::WriteUser), mode);
}

TEST_F(ReportWriter, SymbolicLinkKeepsPointingAtTheUpdatedReport)
{
    put(path("real.txt"), "old");
    ASSERT_TRUE(QFile::link(path("real.txt"), path("link.txt")));
    ASSERT_TRUE(writeReportFile(path("link.txt"), kReport));
    EXPECT_TRUE(QFileInfo(path("link.txt")).isSymLink());
    EXPECT_EQ(contentsOf(path("real.txt")), kReport);
}

TEST_F(ReportWriter, DanglingLinkWhoseWriteFailsLeavesNothingBehind)
{
    ASSERT_TRUE(QFile::link(path("target.txt"), path("dangling.txt")));
    EXPECT_FALSE(withFileSizeLimit(10, [&] { return writeReportFile(path("dangling.txt"), kReport); }));
    EXPECT_EQ(entries(), QStringList {"dangling.txt"});
    EXPECT_TRUE(QFileInfo(path("dangling.txt")).isSymLink());
    EXPECT_TRUE(writeReportFile(path("dangling.txt"), kReport));
    EXPECT_EQ(contentsOf(path("target.txt")), kReport);
}

// Names close to the file system's 255-byte limit leave no room for a
// temporary name with the same stem; they must save, and save again.
TEST_F(ReportWriter, LongestLegalNamesSaveAndSaveAgain)
{
    for (const int length : {231, 250, 255}) {
        const QString name(length, u'r');
        ASSERT_TRUE(writeReportFile(path(name), "first\r\n")) << length;
        QFile::setPermissions(path(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        ASSERT_TRUE(writeReportFile(path(name), kReport)) << length;
        EXPECT_EQ(contentsOf(path(name)), kReport);
        EXPECT_EQ(QFile::permissions(path(name)) & QFile::ReadOther, QFile::ReadOther);
        EXPECT_EQ(entries(), QStringList {name});
        QFile::remove(path(name));
    }
}

TEST_F(ReportWriter, LongNameWhoseWriteFailsKeepsTheOldReport)
{
    const QString name(250, u'k');
    put(path(name), "old");
    EXPECT_FALSE(withFileSizeLimit(10, [&] { return writeReportFile(path(name), QByteArray(100, 'x')); }));
    EXPECT_EQ(contentsOf(path(name)), "old");
    EXPECT_EQ(entries(), QStringList {name});
}

TEST_F(ReportWriter, DevicesStayDevices)
{
    EXPECT_TRUE(writeReportFile(QStringLiteral("/dev/null"), kReport));
    EXPECT_FALSE(writeReportFile(QStringLiteral("/dev/full"), kReport));
    EXPECT_TRUE(QFileInfo(QStringLiteral("/dev/null")).exists());
}

TEST_F(ReportWriter, FifoIsWrittenInPlaceWhenReadAndFailsAtOnceWhenNot)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    EXPECT_FALSE(writeReportFile(path("pipe"), kReport)) << "no reader yet";
    QByteArray received;
    std::thread reader([&] { received = contentsOf(path("pipe")); });
    // The reader may not have opened its end yet: try until it has.
    bool written = false;
    for (int i = 0; i < 200 && !written; ++i) {
        written = writeReportFile(path("pipe"), kReport);
        if (!written)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    reader.join();
    EXPECT_TRUE(written);
    EXPECT_EQ(received, kReport);
    EXPECT_EQ(entries(), QStringList {"pipe"});
}

// A reader that opens the FIFO and closes it without reading makes the write
// raise SIGPIPE, which must only fail the save, never end the process.
TEST_F(ReportWriter, ReaderThatGoesAwayFailsTheSaveWithoutEndingTheProcess)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe")).constData(), 0600), 0);
    std::atomic<bool> done = false;
    std::thread opener([&] {
        const QByteArray fifo = QFile::encodeName(path("pipe"));
        while (!done) {
            const int fd = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        }
    });
    int failures = 0;
    for (int i = 0; i < 2000; ++i)
        failures += writeReportFile(path("pipe"), QByteArray(60000, 'x')) ? 0 : 1;
    done = true;
    opener.join();
    EXPECT_GT(failures, 0);
}

} // namespace
} // namespace velmora::ui
