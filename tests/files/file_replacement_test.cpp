#include "files/file_replacement.h"
#include "support/temp_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace velmora::files {
namespace {

std::string contents(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Why a write was refused; empty when it was not.
std::string refusal(const std::string& path, OtherFiles others = OtherFiles::Refuse)
{
    try {
        replaceFile(path, "new", others);
    } catch (const WriteError& error) {
        return error.what();
    }
    return {};
}

TEST(FileReplacement, RefusesWhatItCannotReplaceAndKeepsItAsItWas)
{
    const std::string kept = tempFile("kept.txt", "old");
    chmod(kept.c_str(), 0444);
    const std::string fifo = testPath("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, const char*> refused[] = {{testFolder().string(), "it is a folder"}, {"", "no file"},
        {std::string("a\0b", 3), "NUL"}, {kept, "it is write-protected"}, {fifo, "it is not a regular file"},
        {testPath("no/such/folder.txt"), "No such file or directory"}};
    for (const auto& [path, why] : refused)
        EXPECT_NE(refusal(path).find(why), std::string::npos) << path << ": " << refusal(path);
    EXPECT_EQ(contents(kept), "old") << "even the superuser keeps a write-protected file";
    EXPECT_NE(refusal(fifo, OtherFiles::WriteInPlace), "") << "a FIFO nobody reads fails at once";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(testFolder()), {}), 2) << "nothing left behind";
}

TEST(FileReplacement, KeepsTheOldFilesPermissionsAndGivesANewOneTheUmasks)
{
    const std::string old = tempFile("mode.txt", "old");
    chmod(old.c_str(), 0640);
    replaceFile(old, "new");
    struct stat status { };
    ASSERT_EQ(stat(old.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(contents(old), "new");

    const mode_t mask = umask(027);
    replaceFile(testPath("fresh.txt"), "new");
    umask(mask);
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
    const std::string far = chainTo("forty", 40, testPath("far.txt"));
    EXPECT_EQ(refusal(far), "");
    EXPECT_EQ(contents(testPath("far.txt")), "new") << "a link's target, not yet there, is written";
    EXPECT_TRUE(std::filesystem::is_symlink(far));
    EXPECT_NE(refusal(chainTo("more", 41, testPath("farther.txt"))).find("symbolic links"), std::string::npos);
    std::filesystem::create_symlink(testPath("loop"), testPath("loop"));
    EXPECT_NE(refusal(testPath("loop")), "");
}

TEST(FileReplacement, WritesIntoAFifoWhoseReaderIsSlowToDrainIt)
{
    const std::string fifo = testPath("slow");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string data(256 * 1024, 'x'); // four times what the pipe holds
    std::size_t received = 0;
    std::thread reader([&] {
        const int fd = open(fifo.c_str(), O_RDONLY);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        char buffer[4096];
        for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
            received += static_cast<std::size_t>(n);
        close(fd);
    });
    // The writer opens without waiting: give the reader its moment to open first.
    std::string why = "not tried";
    for (int attempt = 0; attempt < 200 && !why.empty(); ++attempt) {
        try {
            replaceFile(fifo, data, OtherFiles::WriteInPlace);
            why.clear();
        } catch (const WriteError& error) {
            why = error.what();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    reader.join();
    EXPECT_EQ(why, "");
    EXPECT_EQ(received, data.size());
}

} // namespace
} // namespace velmora::files
