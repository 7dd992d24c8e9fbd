#include "support/message_log.h"
#include "sysinfo/qt_launcher.h"
#include "sysinfo/registry_backend.h"
#include "sysinfo/sys_info.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace velmora::sysinfo {
namespace {

const std::string kLocation1 = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocation2 = "SOFTWARE\\Microsoft\\Shared Tools Location";

struct Value {
    std::uint32_t type;
    std::string bytes;
};

// A registry in memory, one value at most per key, that remembers which
// keys were opened and which are still open.
class FakeRegistry final : public Registry {
public:
    std::map<std::string, std::pair<std::string, Value>> keys; // sub-key -> value name, value
    std::vector<std::string> opened;
    std::set<RegistryKey> open;
    std::uint32_t lastAccess = 0;

    // A key is its place in `opened`, counted from 1.
    long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access, RegistryKey& key) override
    {
        lastAccess = access;
        opened.push_back(subKey);
        if (root != kLocalMachine || !keys.contains(subKey))
            return 2;
        key = opened.size();
        open.insert(key);
        return 0;
    }
    long queryValue(RegistryKey key, const std::string& name, std::uint32_t& type, unsigned char* data,
        std::uint32_t& size) override
    {
        const auto& [valueName, value] = keys.at(opened.at(key - 1));
        if (valueName != name || value.bytes.size() > size)
            return valueName != name ? 2 : 234;
        type = value.type;
        size = static_cast<std::uint32_t>(value.bytes.size());
        std::memcpy(data, value.bytes.data(), size);
        return 0;
    }
    void closeKey(RegistryKey key) override { open.erase(key); }
};

// Every path in `files` exists and starts.
class FakeLauncher final : public Launcher {
public:
    std::set<std::string> files;
    std::vector<std::string> started;

    bool isNormalFile(const std::string& path) override { return files.contains(path); }
    bool start(const std::string& path) override
    {
        started.push_back(path);
        return files.contains(path);
    }
};

std::string withZero(const std::string& text)
{
    return text + std::string(1, '\0');
}

struct LookupRow {
    const char* name;
    std::optional<Value> location1; // PATH
    std::optional<Value> location2; // MSINFO
    std::set<std::string> files; // existing, startable programs
    std::vector<std::string> opened;
    std::vector<std::string> started;
    bool unavailable;
};

const std::string kTool = "C:\\Tools\\msinfo32.exe";
const std::string kInFolder = "C:\\Folder\\MSINFO32.EXE";

TEST(StartSysInfo, StartsTheToolOrSaysItIsUnavailable)
{
    const LookupRow rows[] = {{"PathWithTerminatingZeroIsStartedWithoutIt", Value {kTextValue, withZero(kTool)}, {},
                                  {kTool}, {kLocation1}, {kTool}, false},
        {"PathWithoutTerminatingZeroIsUsedWhole", Value {kTextValue, kTool}, {}, {kTool}, {kLocation1}, {kTool}, false},
        {"MissingProgramAtLocation1DoesNotTryLocation2", Value {kTextValue, withZero("C:\\gone.exe")},
            Value {kTextValue, withZero("C:\\Folder")}, {kInFolder}, {kLocation1}, {"C:\\gone.exe"}, true},
        {"Location2FolderWithTheProgram", {}, Value {kTextValue, withZero("C:\\Folder")}, {kInFolder},
            {kLocation1, kLocation2}, {kInFolder}, false},
        {"Location2FolderEndingInBackslashIsStartedUnchanged", {}, Value {kTextValue, withZero("C:\\Folder\\")},
            {"C:\\Folder\\\\MSINFO32.EXE"}, {kLocation1, kLocation2}, {"C:\\Folder\\\\MSINFO32.EXE"}, false},
        {"Location2FolderWithoutTheProgram", {}, Value {kTextValue, withZero("C:\\Folder")}, {},
            {kLocation1, kLocation2}, {}, true},
        {"NeitherLocation", {}, {}, {}, {kLocation1, kLocation2}, {}, true},
        {"ValueOfAnotherTypeStartsAnEmptyPath", Value {2 /* REG_EXPAND_SZ */, withZero("%SystemRoot%")}, {}, {},
            {kLocation1}, {""}, true},
        {"ValueOfNoBytesTakesTheFailurePathAtOnce", Value {kTextValue, ""}, Value {kTextValue, withZero("C:\\Folder")},
            {kInFolder}, {kLocation1}, {}, true}};
    for (const LookupRow& row : rows) {
        SCOPED_TRACE(row.name);
        FakeRegistry registry;
        if (row.location1)
            registry.keys[kLocation1] = {"PATH", *row.location1};
        if (row.location2)
            registry.keys[kLocation2] = {"MSINFO", *row.location2};
        FakeLauncher launcher;
        launcher.files = row.files;
        MessageLog messages;

        StartSysInfo(registry, launcher, messages);

        EXPECT_EQ(registry.opened, row.opened);
        EXPECT_EQ(launcher.started, row.started);
        EXPECT_TRUE(registry.open.empty()) << "every key is closed";
        EXPECT_EQ(registry.lastAccess, kKeyRead) << "read access only";
        const ShownMessage unavailable {kUnavailableMessage, "VELMORA", MessageIcon::None};
        EXPECT_EQ(messages.shown(), row.unavailable ? std::vector {unavailable} : std::vector<ShownMessage> {});
    }
}

TEST(GetKeyValue, GivesTheValueAsTextOrEmptiesIt)
{
    const std::tuple<const char*, std::optional<Value>, bool, std::string> cases[] = {
        {"missing value", std::nullopt, false, ""},
        {"longer than the buffer", Value {kTextValue, std::string(1500, 'x')}, false, ""},
        {"258 loses its top zero byte", Value {kNumberValue, std::string("\x02\x01\x00\x00", 4)}, true, "&hbefore012"},
        {"bytes from last to first", Value {kNumberValue, std::string("\xFF\x0A\x10\x01", 4)}, true, "&hbefore110AFF"},
        {"another type", Value {7, withZero("x")}, true, "before"}};
    for (const auto& [name, stored, read, text] : cases) {
        FakeRegistry registry;
        registry.keys[kLocation1] = {stored ? "PATH" : "other", stored.value_or(Value {})};
        std::string value = "before";
        EXPECT_EQ(GetKeyValue(registry, kLocalMachine, kLocation1, "PATH", value), read) << name;
        EXPECT_EQ(value, text) << name;
        EXPECT_TRUE(registry.open.empty()) << name;
    }
    FakeRegistry registry;
    registry.keys[kLocation1] = {"PATH", {kTextValue, ""}};
    std::string value;
    EXPECT_THROW(GetKeyValue(registry, kLocalMachine, kLocation1, "PATH", value), std::invalid_argument);
    EXPECT_TRUE(registry.open.empty()) << "a value of no bytes still closes its key";
}

// The platform's own registry and launcher: elsewhere than Windows, the
// first system-information program on PATH stands in for MSINFO32.
TEST(SystemBackends, StartTheFirstToolFoundOnPath)
{
    const QByteArray oldPath = qgetenv("PATH");
    QTemporaryDir dir;
    const QString marker = dir.filePath(QStringLiteral("started"));
    for (const char* name : {"kinfocenter", "hardinfo"}) {
        QFile tool(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
        tool.write(QStringLiteral("#!/bin/sh\necho %1 > '%2'\n").arg(QString::fromLatin1(name), marker).toUtf8());
        tool.close();
        tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    qputenv("PATH", QFile::encodeName(dir.path()));
    const auto registry = systemRegistry();
    QtLauncher launcher;
    MessageLog messages;
    StartSysInfo(*registry, launcher, messages);
    qputenv("PATH", oldPath);
    EXPECT_TRUE(messages.shown().empty());
    for (int i = 0; i < 100 && !QFile::exists(marker); ++i)
        QThread::msleep(50);
    QFile started(marker);
    ASSERT_TRUE(started.open(QIODevice::ReadOnly));
    EXPECT_EQ(started.readAll().trimmed(), "hardinfo") << "hardinfo comes before kinfocenter";
}

} // namespace
} // namespace velmora::sysinfo
