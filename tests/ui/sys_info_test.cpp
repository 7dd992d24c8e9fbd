#include "calc/memory_fields.h"
#include "ui/sys_info.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora::sysinfo {
namespace {

const std::string kLocation1 = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocation2 = "SOFTWARE\\Microsoft\\Shared Tools Location";

struct Value {
    std::uint32_t type;
    std::string bytes;
};

// A registry in memory that remembers which keys were opened and closed.
class FakeRegistry final : public Registry {
public:
    std::map<std::string, std::map<std::string, Value>> keys; // under HKEY_LOCAL_MACHINE
    std::vector<std::string> opened;
    std::set<RegistryKey> open;
    std::vector<RegistryKey> closed;
    std::uint32_t lastAccess = 0;

    long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access, RegistryKey& key) override
    {
        lastAccess = access;
        opened.push_back(subKey);
        if (root != kLocalMachine || !keys.contains(subKey))
            return 2;
        key = next_++;
        handles_[key] = subKey;
        open.insert(key);
        return 0;
    }
    long queryValue(RegistryKey key, const std::string& name, std::uint32_t& type, unsigned char* data,
        std::uint32_t& size) override
    {
        const auto& values = keys.at(handles_.at(key));
        const auto it = values.find(name);
        if (it == values.end())
            return 2;
        if (it->second.bytes.size() > size)
            return 234;
        type = it->second.type;
        size = static_cast<std::uint32_t>(it->second.bytes.size());
        std::memcpy(data, it->second.bytes.data(), size);
        return 0;
    }
    void closeKey(RegistryKey key) override
    {
        closed.push_back(key);
        open.erase(key);
    }

private:
    RegistryKey next_ = 100;
    std::map<RegistryKey, std::string> handles_;
};

class FakeLauncher final : public Launcher {
public:
    std::set<std::string> files;
    std::set<std::string> startable;
    std::vector<std::string> started;
    std::vector<std::string> tested;

    bool isNormalFile(const std::string& path) override
    {
        tested.push_back(path);
        return files.contains(path);
    }
    bool start(const std::string& path) override
    {
        started.push_back(path);
        return startable.contains(path);
    }
};

std::string withZero(const std::string& text)
{
    return text + std::string(1, '\0');
}

class SystemInformation : public ::testing::Test {
protected:
    FakeRegistry registry;
    FakeLauncher launcher;
    MessageLog messages;

    void expectUnavailable()
    {
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0],
            (ShownMessage {
                "Le informazioni sul sistema non sono attualmente disponibili.", "VELMORA", MessageIcon::None}));
    }
    void expectEveryKeyClosed() { EXPECT_TRUE(registry.open.empty()); }
};

TEST_F(SystemInformation, PathWithTerminatingZeroIsStartedWithoutIt)
{
    registry.keys[kLocation1]["PATH"] = {kTextValue, withZero("C:\\Tools\\msinfo32.exe")};
    launcher.startable = {"C:\\Tools\\msinfo32.exe"};
    StartSysInfo(registry, launcher, messages);
    EXPECT_EQ(launcher.started, std::vector<std::string> {"C:\\Tools\\msinfo32.exe"});
    EXPECT_TRUE(launcher.tested.empty()) << "location 1 is started without a file test";
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(registry.lastAccess, kKeyRead) << "read access only";
    expectEveryKeyClosed();
}

TEST_F(SystemInformation, PathWithoutTerminatingZeroIsUsedWhole)
{
    registry.keys[kLocation1]["PATH"] = {kTextValue, "C:\\msinfo32.exe"};
    launcher.startable = {"C:\\msinfo32.exe"};
    StartSysInfo(registry, launcher, messages);
    EXPECT_EQ(launcher.started, std::vector<std::string> {"C:\\msinfo32.exe"});
}

TEST_F(SystemInformation, MissingProgramAtLocation1FailsWithoutTryingLocation2)
{
    registry.keys[kLocation1]["PATH"] = {kTextValue, withZero("C:\\gone.exe")};
    registry.keys[kLocation2]["MSINFO"] = {kTextValue, withZero("C:\\Folder")};
    launcher.files = {"C:\\Folder\\MSINFO32.EXE"};
    StartSysInfo(registry, launcher, messages);
    EXPECT_EQ(registry.opened, std::vector<std::string> {kLocation1});
    expectUnavailable();
    expectEveryKeyClosed();
}

TEST_F(SystemInformation, Location2FolderWithTheProgram)
{
    registry.keys[kLocation2]["MSINFO"] = {kTextValue, withZero("C:\\Folder")};
    launcher.files = {"C:\\Folder\\MSINFO32.EXE"};
    launcher.startable = launcher.files;
    StartSysInfo(registry, launcher, messages);
    EXPECT_EQ(registry.opened, (std::vector<std::string> {kLocation1, kLocation2}));
    EXPECT_EQ(launcher.started, std::vector<std::string> {"C:\\Folder\\MSINFO32.EXE"});
    EXPECT_TRUE(messages.shown().empty());
    expectEveryKeyClosed();
}

TEST_F(SystemInformation, Location2FolderEndingInBackslashIsStartedUnchanged)
{
    registry.keys[kLocation2]["MSINFO"] = {kTextValue, withZero("C:\\Folder\\")};
    launcher.files = {"C:\\Folder\\\\MSINFO32.EXE"};
    launcher.startable = launcher.files;
    StartSysInfo(registry, launcher, messages);
    EXPECT_EQ(launcher.started, std::vector<std::string> {"C:\\Folder\\\\MSINFO32.EXE"});
}

TEST_F(SystemInformation, Location2FolderWithoutTheProgram)
{
    registry.keys[kLocation2]["MSINFO"] = {kTextValue, withZero("C:\\Folder")};
    StartSysInfo(registry, launcher, messages);
    EXPECT_EQ(launcher.tested, std::vector<std::string> {"C:\\Folder\\MSINFO32.EXE"});
    EXPECT_TRUE(launcher.started.empty());
    expectUnavailable();
}

TEST_F(SystemInformation, NeitherLocation)
{
    StartSysInfo(registry, launcher, messages);
    expectUnavailable();
    EXPECT_EQ(registry.closed, (std::vector<RegistryKey> {0, 0})) << "closed even when the open failed";
}

TEST_F(SystemInformation, ValueOfAnotherTypeStartsAnEmptyPathAndFails)
{
    registry.keys[kLocation1]["PATH"] = {2 /* REG_EXPAND_SZ */, withZero("%SystemRoot%\\msinfo32.exe")};
    StartSysInfo(registry, launcher, messages);
    EXPECT_EQ(launcher.started, std::vector<std::string> {""});
    expectUnavailable();
}

TEST_F(SystemInformation, ValueOfNoBytesTakesTheFailurePathAtOnce)
{
    registry.keys[kLocation1]["PATH"] = {kTextValue, ""};
    registry.keys[kLocation2]["MSINFO"] = {kTextValue, withZero("C:\\Folder")};
    launcher.files = {"C:\\Folder\\MSINFO32.EXE"};
    StartSysInfo(registry, launcher, messages);
    EXPECT_EQ(registry.opened, std::vector<std::string> {kLocation1}) << "location 2 is not tried";
    expectUnavailable();
    expectEveryKeyClosed();
}

TEST_F(SystemInformation, ValueLongerThanTheBufferIsAFailedRead)
{
    registry.keys[kLocation1]["PATH"] = {kTextValue, std::string(1500, 'x')};
    std::string value = "before";
    EXPECT_FALSE(GetKeyValue(registry, kLocalMachine, kLocation1, "PATH", value));
    EXPECT_EQ(value, "");
    expectEveryKeyClosed();
}

TEST_F(SystemInformation, MissingValueEmptiesTheText)
{
    registry.keys[kLocation1];
    std::string value = "before";
    EXPECT_FALSE(GetKeyValue(registry, kLocalMachine, kLocation1, "PATH", value));
    EXPECT_EQ(value, "");
    expectEveryKeyClosed();
}

TEST_F(SystemInformation, NumberValueBecomesHexadecimalBytesFromLastToFirst)
{
    registry.keys[kLocation1]["PATH"] = {kNumberValue, std::string("\x02\x01\x00\x00", 4)};
    std::string value;
    EXPECT_TRUE(GetKeyValue(registry, kLocalMachine, kLocation1, "PATH", value));
    EXPECT_EQ(value, "&h012") << "258 loses its top zero byte to the trimming";
    registry.keys[kLocation1]["PATH"] = {kNumberValue, std::string("\xFF\x0A\x00\x01", 4)};
    value.clear();
    EXPECT_TRUE(GetKeyValue(registry, kLocalMachine, kLocation1, "PATH", value));
    EXPECT_EQ(value, "&h10AFF");
    expectEveryKeyClosed();
}

TEST_F(SystemInformation, SizeZeroThrowsAndStillClosesTheKey)
{
    registry.keys[kLocation1]["PATH"] = {kTextValue, ""};
    std::string value;
    EXPECT_THROW(GetKeyValue(registry, kLocalMachine, kLocation1, "PATH", value), std::invalid_argument);
    expectEveryKeyClosed();
}

} // namespace
} // namespace velmora::sysinfo
