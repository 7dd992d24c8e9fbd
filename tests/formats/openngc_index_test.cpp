#include "formats/openngc.h"
#include "formats/openngc_index.h"
#include "support/temp_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace velmora::formats {
namespace {

// The shipped files copied into the test's own folder, with the index
// built from them beside them.
std::string indexedCopy()
{
    const std::filesystem::path folder = testFolder() / "openngc";
    if (!std::filesystem::exists(folder / std::string(kOpenNgcIndexFile))) {
        std::filesystem::create_directories(folder);
        for (const std::string_view name : kOpenNgcFiles)
            std::filesystem::copy_file(std::filesystem::path(VELMORA_OPENNGC_DIR) / name, folder / name,
                std::filesystem::copy_options::overwrite_existing);
        std::ofstream(folder / std::string(kOpenNgcIndexFile), std::ios::binary) << openNgcIndex(folder.string());
    }
    return folder.string();
}

// Every name of every object finds through the index just what the whole
// catalogue finds, field for field; the index says nothing rather than
// something else.
TEST(OpenNgcIndex, FindsWhatTheWholeCatalogueFindsByEveryName)
{
    const std::string folder = indexedCopy();
    const sky::DeepSkyCatalogue whole = loadOpenNgc(folder);
    std::size_t names = 0, found = 0;
    for (const sky::DeepSkyObject& object : whole.objects()) {
        std::vector<std::string> all = object.commonNames;
        all.push_back(object.name);
        if (object.messier)
            all.push_back("M " + std::to_string(object.messier));
        for (const std::string& name : all) {
            const sky::DeepSkyObject* expected = whole.find(name);
            names += expected == &object; // not a duplicate entry's, nor a name an earlier object bears
            const auto alone = findThroughIndex(folder, name);
            if (!alone)
                continue;
            found += expected == &object;
            ASSERT_NE(expected, nullptr) << name;
            ASSERT_EQ(alone->objects().size(), 1u) << name << ": the object alone, its line read and no other";
            const sky::DeepSkyObject& got = alone->objects().front();
            EXPECT_EQ(got.name, expected->name) << name;
            EXPECT_EQ(got.rightAscensionDeg, expected->rightAscensionDeg) << name;
            EXPECT_EQ(got.declinationDeg, expected->declinationDeg) << name;
            EXPECT_EQ(got.majorAxis, expected->majorAxis) << name;
            EXPECT_EQ(got.commonNames, expected->commonNames) << name;
        }
    }
    EXPECT_GT(found, names * 999 / 1000) << "the names that lead to their own object are found through the index";
    EXPECT_FALSE(findThroughIndex(folder, "no such object"));
    EXPECT_FALSE(findThroughIndex(folder, ""));
}

struct Damage {
    const char* what;
    std::string file;
    std::string appended;
};

// A file changed since the index was built, or a damaged index, leaves the
// lookup to the whole catalogue.
TEST(OpenNgcIndex, IsSetAsideWhenTheFilesChangedOrItIsDamaged)
{
    const Damage rows[] = {
        {"a line added to the catalogue", "NGC.csv", "NGC9999;G;00:00:00.00;+00:00:00.0;;1;1;0\n"},
        {"a line added to the addendum", "addendum.csv", "X1;G;00:00:00.00;+00:00:00.0;;1;1;0\n"},
        {"a record cut short", std::string(kOpenNgcIndexFile), "abc"},
    };
    for (const Damage& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string folder = indexedCopy();
        const auto m31 = findThroughIndex(folder, "M31");
        ASSERT_TRUE(m31);
        EXPECT_EQ(m31->objects().size(), 1u);
        EXPECT_EQ(m31->objects().front().name, "NGC0224");
        const std::filesystem::path changed = std::filesystem::path(folder) / row.file;
        const auto size = std::filesystem::file_size(changed);
        std::ofstream(changed, std::ios::binary | std::ios::app) << row.appended;
        EXPECT_FALSE(findThroughIndex(folder, "M31"));
        std::filesystem::resize_file(changed, size);
        EXPECT_TRUE(findThroughIndex(folder, "M31"));
    }
    const std::string folder = indexedCopy();
    const std::filesystem::path index = std::filesystem::path(folder) / std::string(kOpenNgcIndexFile);
    {
        std::fstream file(index, std::ios::in | std::ios::out | std::ios::binary);
        file.put('V'); // another kind of file, or another version of this one
    }
    EXPECT_FALSE(findThroughIndex(folder, "M31")) << "an index of another kind";
    std::filesystem::remove(index);
    EXPECT_FALSE(findThroughIndex(folder, "M31"));
}

// A record whose file number or line offset points nowhere (past the
// files, into a header, past the end) finds nothing, and reads nothing
// out of place. A record is a 48-byte NUL-padded key, then the file's
// number and the line's offset, four bytes each, least significant first.
TEST(OpenNgcIndex, ARecordPointingNowhereFindsNothing)
{
    const std::string folder = indexedCopy();
    const std::filesystem::path index = std::filesystem::path(folder) / std::string(kOpenNgcIndexFile);
    std::string bytes;
    {
        std::ifstream file(index, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    const std::size_t m31 = bytes.find("m31" + std::string(45, '\0'));
    ASSERT_NE(m31, std::string::npos);
    const std::pair<std::size_t, std::string> damages[] = {{48, std::string("\x02\0\0\0", 4)}, // one file past the two
        {52, std::string("\x05\0\0\0", 4)}, // within the header line
        {52, std::string("\xff\xff\xff\x7f", 4)}}; // past the file's end
    for (const auto& [at, value] : damages) {
        std::string damaged = bytes;
        damaged.replace(m31 + at, 4, value);
        std::ofstream(index, std::ios::binary) << damaged;
        EXPECT_FALSE(findThroughIndex(folder, "M31")) << at;
    }
    std::ofstream(index, std::ios::binary) << bytes;
    EXPECT_TRUE(findThroughIndex(folder, "M31"));
}

} // namespace
} // namespace velmora::formats
