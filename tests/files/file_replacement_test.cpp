#include "files/file_replacement.h"
#include "support/temp_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <thread>

namespace velmora::files {
namespace {

std::string contents(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// What the test's folder holds, hidden entries too.
std::set<std::string> entries()
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(testFolder()))
        names.insert(entry.path().filename().string());
    return names;
}

// Why a write was refused; empty when it was not.
std::string refusal(const std::string& path, const std::string& bytes = "new", OtherFiles others = OtherFiles::Refuse)
{
    try {
        replaceFile(path, bytes, others);
    } catch (const WriteError& error) {
        return error.what();
    }
    return {};
}

// Runs `write` with writes failing past `bytes`, as on a full disk.
std::string withFileSizeLimit(rlim_t bytes, const std::function<std::string()>& write)
{
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous {};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limited = previous;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
    std::string why = write();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, handler);
    return why;
}

TEST(FileReplacement, RefusesWhatItCannotReplaceAndKeepsItAsItWas)
{
    const std::string kept = tempFile("kept.txt", "old");
    chmod(kept.c_str(), 0444);
    const std::string fifo = testPath("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, const char*> refused[] = {{testFolder().string(), "it is a folder"},
        {testFolder().string() + "/", "it is a folder"}, {"", "no file"}, {std::string("a\0b", 3), "NUL"},
        {kept, "it is write-protected"}, {fifo, "it is not a regular file"},
        {testPath("no/such/folder.txt"), "No such file or directory"}};
    for (const auto& [path, why] : refused)
        EXPECT_NE(refusal(path).find(why), std::string::npos) << path << ": " << refusal(path);
    EXPECT_EQ(contents(kept), "old") << "even the superuser keeps a write-protected file";
    EXPECT_NE(refusal(fifo, "new", OtherFiles::WriteInPlace), "") << "a FIFO nobody reads fails at once";
    EXPECT_EQ(entries(), (std::set<std::string> {"kept.txt", "pipe"})) << "nothing left behind";
}

// A write that fails half-way leaves the previous file whole and no
// temporary file behind, whatever the name's length (a name near the 255
// bytes a name may hold leaves no room for a temporary one beside it).
TEST(FileReplacement, AFailedWriteKeepsTheOldFileWhole)
{
    for (const std::size_t length : {8u, 231u, 250u, 255u}) {
        const std::string name(length, 'k');
        const std::string path = tempFile(name, "old");
        EXPECT_NE(withFileSizeLimit(100, [&] { return refusal(path, std::string(4096, 'x')); }), "") << length;
        EXPECT_EQ(contents(path), "old") << length;
        EXPECT_EQ(refusal(path, "first"), "") << length;
        chmod(path.c_str(), 0604);
        EXPECT_EQ(refusal(path, "again"), "") << length;
        EXPECT_EQ(contents(path), "again") << length;
        struct stat status { };
        ASSERT_EQ(stat(path.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, 0604u) << "the old file's permissions are kept";
        EXPECT_EQ(entries(), std::set<std::string> {name});
        std::filesystem::remove(path);
    }
}

TEST(FileReplacement, ANewFileGetsTheUmasksPermissions)
{
    const mode_t mask = umask(027);
    replaceFile(testPath("fresh.txt"), "new");
    umask(mask);
    struct stat status { };
    ASSERT_EQ(stat(testPath("fresh.txt").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

// A chain of `links` symbolic links, each to the next, the last to `target`.
std::string chainTo(const std::string& name, int links, const std::string& target)
{
    std::string next = target;
    for (int i = links; i > 0; --i) {
        const std::string link = testPath(name + std::to_string(i));
        std::filesystem::create_symlink(next, link);
        next = link;
    }
    return next;
}

TEST(FileReplacement, FollowsLinksAsFarAsTheKernelDoes)
{
    const std::string dangling = chainTo("dangling", 1, testPath("target.txt"));
    EXPECT_NE(withFileSizeLimit(2, [&] { return refusal(dangling); }), "");
    EXPECT_EQ(entries(), std::set<std::string> {"dangling1"}) << "a failed write leaves nothing behind";
    const std::string far = chainTo("forty", 40, testPath("far.txt"));
    EXPECT_EQ(refusal(far), "");
    EXPECT_EQ(contents(testPath("far.txt")), "new") << "a link's target, not yet there, is written";
    EXPECT_TRUE(std::filesystem::is_symlink(far));
    EXPECT_NE(refusal(chainTo("more", 41, testPath("farther.txt"))).find("symbolic links"), std::string::npos);
    std::filesystem::create_symlink(testPath("loop"), testPath("loop"));
    EXPECT_NE(refusal(testPath("loop")), "");
}

TEST(FileReplacement, DevicesAreWrittenInPlace)
{
    EXPECT_EQ(refusal("/dev/null", "new", OtherFiles::WriteInPlace), "");
    EXPECT_NE(refusal("/dev/full", "new", OtherFiles::WriteInPlace), "");
    EXPECT_NE(refusal("/dev/null"), "") << "unless they are refused";
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

// The writer opens a FIFO without waiting: try until the reader has opened its end.
std::string writeWhenRead(const std::string& fifo, const std::string& data)
{
    std::string why = "not tried";
    for (int attempt = 0; attempt < 200 && !why.empty(); ++attempt) {
        why = refusal(fifo, data, OtherFiles::WriteInPlace);
        if (!why.empty())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return why;
}

TEST(FileReplacement, WritesIntoAFifoWhoseReaderIsSlowToDrainIt)
{
    const std::string fifo = testPath("slow");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string data(256 * 1024 + 1000, 'x'); // four times what the pipe holds, and a little
    std::size_t received = 0;
    std::thread reader([&] {
        const int fd = open(fifo.c_str(), O_RDONLY);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        char buffer[4096];
        for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
            received += static_cast<std::size_t>(n);
        close(fd);
    });
    const std::string why = writeWhenRead(fifo, data);
    reader.join();
    EXPECT_EQ(why, "");
    EXPECT_EQ(received, data.size());
}

// A reader that opens the FIFO and closes it without reading makes the write
// raise SIGPIPE, which must only fail the write, never end the process.
TEST(FileReplacement, AReaderThatGoesAwayFailsTheWriteWithoutEndingTheProcess)
{
    const std::string fifo = testPath("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::atomic<bool> done = false;
    std::thread opener([&] {
        while (!done) {
            const int fd = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
            if (fd >= 0)
                close(fd);
        }
    });
    int failures = 0;
    for (int i = 0; i < 2000; ++i)
        failures += refusal(fifo, std::string(60000, 'x'), OtherFiles::WriteInPlace).empty() ? 0 : 1;
    done = true;
    opener.join();
    EXPECT_GT(failures, 0);
}

} // namespace
} // namespace velmora::files
