// Parsed files are kept while the file stays the same, and only then.
#include "standards/KvStandardsFileCache.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "core/Mdx_Settings.h"
#include "standards/testing/LibraryFolder.h"
#include "win/FilePaths.h"
#include "win/StableFileNames.h"

namespace {

namespace fs = std::filesystem;

int gParses = 0;

class Bytes : public KvCachedFile {
public:
    explicit Bytes(std::string_view text) : text(text) {}
    std::string text;
};

std::unique_ptr<KvCachedFile> countingParser(std::string_view bytes) {
    ++gParses;
    return std::make_unique<Bytes>(bytes);
}

std::unique_ptr<KvCachedFile> otherParser(std::string_view bytes) {
    return std::make_unique<Bytes>(std::string(bytes) + "!");
}

class FileCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        standards_file_cache::clear();
        gParses = 0;
    }
    void TearDown() override { standards_file_cache::clear(); }

    // A file as a library holds it, written an hour ago unless told otherwise.
    Mdx_String put(const std::string& name, const std::string& bytes,
                   std::optional<fs::file_time_type> written = std::nullopt) {
        library.put(name, bytes);
        fs::last_write_time(library.standards() / name, written.value_or(anHourAgo));
        std::string modulePath = name;
        for (char& c : modulePath)
            if (c == '/') c = '\\';
        return Mdx_String(gSettings.libDir() + "Connection Standards\\" + modulePath);
    }
    static std::string read(const Mdx_String& path, KvFileParser parse = countingParser) {
        const auto parsed = standards_file_cache::parsedFile(path, parse);
        return parsed ? static_cast<const Bytes&>(*parsed).text : "(unreadable)";
    }

    const fs::file_time_type anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    standards::testing::LibraryFolder library;
};

TEST_F(FileCacheTest, ASettledFileIsParsedOnceUntilItChanges) {
    const Mdx_String path = put("Data/a.dat", "one");
    EXPECT_EQ(read(path), "one");
    EXPECT_EQ(read(path), "one");
    EXPECT_EQ(gParses, 1);
    EXPECT_EQ(standards_file_cache::fileCount(), 1);

    put("Data/a.dat", "three");  // another size, the same time
    EXPECT_EQ(read(path), "three");
    put("Data/a.dat", "seven", anHourAgo - std::chrono::hours(1));  // the same size, another time
    EXPECT_EQ(read(path), "seven");
    EXPECT_EQ(gParses, 3);
    EXPECT_EQ(standards_file_cache::fileCount(), 1) << "the old parse was dropped";

    fs::remove(library.standards() / "Data" / "a.dat");
    EXPECT_EQ(read(path), "(unreadable)");
    EXPECT_EQ(standards_file_cache::fileCount(), 0);
}

TEST_F(FileCacheTest, WhileNamesAreStableAWriteThroughTheModuleIsStillSeen) {
    const Mdx_String path = put("Data/b.dat", "one");
    win::StableFileNames stable;
    EXPECT_EQ(read(path), "one");
    EXPECT_EQ(read(path), "one");
    EXPECT_EQ(gParses, 1);
    ASSERT_TRUE(win::writeWholeFileAtomic(library.standards() / "Data" / "b.dat", "three"));
    fs::last_write_time(library.standards() / "Data" / "b.dat", anHourAgo);
    EXPECT_EQ(read(path), "three");
    EXPECT_EQ(gParses, 2);
}

TEST_F(FileCacheTest, AFileJustWrittenIsReadOnEveryCall) {
    const auto now = fs::file_time_type::clock::now();
    const Mdx_String path = put("fresh.dat", "one", now);
    EXPECT_EQ(read(path), "one");
    put("fresh.dat", "two", now);
    EXPECT_EQ(read(path), "two") << "a second edit of the same size within one tick";
    EXPECT_EQ(gParses, 2);
    EXPECT_EQ(standards_file_cache::fileCount(), 0);
}

TEST_F(FileCacheTest, PathsAreComparedAsTheFilesTheyMapTo) {
    const Mdx_String path = put("Data/Bolts.dat", "bolts");
    EXPECT_EQ(read(path), "bolts");
    Mdx_String otherCase = path;
    otherCase.makeUpper();
    EXPECT_EQ(read(otherCase), "bolts");
    EXPECT_EQ(gParses, 1);
    // Another parser makes another thing of the same bytes.
    EXPECT_EQ(read(path, otherParser), "bolts!");
    EXPECT_EQ(standards_file_cache::fileCount(), 2);
}

TEST_F(FileCacheTest, TheLeastRecentlyUsedFileGoesWhenTheCacheIsFull) {
    const Mdx_String first = put("f0.dat", "0");
    const Mdx_String second = put("f1.dat", "1");
    read(first);
    read(second);
    for (int i = 2; i < standards_file_cache::kMaxFiles + 3; ++i) {
        read(first);  // kept in use
        read(put("f" + std::to_string(i) + ".dat", std::to_string(i)));
    }
    EXPECT_EQ(standards_file_cache::fileCount(), standards_file_cache::kMaxFiles);
    const int parses = gParses;
    read(first);
    EXPECT_EQ(gParses, parses) << "the file in use stayed";
    read(second);
    EXPECT_EQ(gParses, parses + 1) << "the file unused longest went";

    standards_file_cache::clear();
    EXPECT_EQ(standards_file_cache::fileCount(), 0);
    read(first);
    EXPECT_EQ(gParses, parses + 2);
}

}  // namespace
