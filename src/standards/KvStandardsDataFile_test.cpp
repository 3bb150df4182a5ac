// Reading data files and standard-size files: comments, line ends and bytes of any kind.
#include "standards/KvStandardsDataFile.h"

#include <gtest/gtest.h>

#include <string>

#include "core/FileHelpers.h"
#include "standards/testing/LibraryFolder.h"
#include "win/StableFileNames.h"

namespace {

using standards::testing::LibraryFolder;

class StandardsDataFileTest : public ::testing::Test {
protected:
    Mdx_String path(const std::string& name) {
        Mdx_String found;
        EXPECT_TRUE(findStandardsDataFile(Mdx_String(name), found)) << name;
        return found;
    }
    std::string sizes(const std::string& bytes) {
        library.put("Data/s.txt", bytes);
        Mdx_Array<KvStandardSizeEntry> entries;
        EXPECT_TRUE(readStandardSizesFile(path("s.txt"), entries));
        std::string text;
        for (const KvStandardSizeEntry& e : entries)
            text += Mdx_String(e.first, 6, false).str() + "/" +
                    Mdx_String(e.second, 6, false).str() + " ";
        return text;
    }
    KvDataLookUp lookUp(const std::string& bytes, const char* key, std::string& value) {
        library.put("Data/d.dat", bytes);
        Mdx_String found;
        const KvDataLookUp result = lookUpStandardsData(path("d.dat"), key, false, found);
        value = found.str();
        return result;
    }
    LibraryFolder library;
};

TEST_F(StandardsDataFileTest, SizeLinesWithAndWithoutThickness) {
    EXPECT_EQ(sizes("120x10\n  90 \n12.5mm\nx8\n150x\nabc\n"), "120/10 90/0 12.5/0 0/8 150/0 0/0 ");
    // Only the lower-case x separates; a capital X is part of the number text.
    EXPECT_EQ(sizes("120X10\n"), "120/0 ");
}

TEST_F(StandardsDataFileTest, CommentsInSizeFilesSpanLinesAndLineEnds) {
    EXPECT_EQ(sizes("100 /* one\r\n two */ 110\r\n// 999\r\n120 // 888\r130"),
              "100/0 110/0 120/0 130/0 ");
    EXPECT_EQ(sizes("100\n/* never closed\n200\n"), "100/0 ");
    EXPECT_EQ(sizes(""), "");
}

TEST_F(StandardsDataFileTest, DataLookUpStatuses) {
    std::string value;
    EXPECT_EQ(lookUp("a\t1\r\nb\t2\textra\r\n", "B", value), KvDataLookUp::Found);
    EXPECT_EQ(value, "2");
    EXPECT_EQ(lookUp("// a\t1\n   \n\t \n", "a", value), KvDataLookUp::NoData);
    // What stands before a comment is the key, blanks included: "a " is not "a".
    EXPECT_EQ(lookUp("a // no value\na\t1\n", "a", value), KvDataLookUp::Found);
    EXPECT_EQ(value, "1");
    EXPECT_EQ(lookUp("a\na\t1\n", "a", value), KvDataLookUp::NoValue);  // the first one counts
    EXPECT_EQ(lookUp("x\t1\n", "a", value), KvDataLookUp::NoKey);
    EXPECT_EQ(lookUp("a\t\n", "a", value), KvDataLookUp::Found);
    EXPECT_EQ(value, "");
    Mdx_String ignored;
    EXPECT_EQ(lookUpStandardsData("L:\\Connection Standards\\none.dat", "a", false, ignored),
              KvDataLookUp::Unreadable);
}

TEST_F(StandardsDataFileTest, AnyBytesAreReadWithoutHarm) {
    std::string bytes;
    for (int i = 0; i < 4096; ++i) bytes += static_cast<char>((i * 131 + 7) % 256);
    bytes += "\nkey\tvalue\n";
    std::string value;
    EXPECT_EQ(lookUp(bytes, "key", value), KvDataLookUp::Found);
    EXPECT_EQ(value, "value");
    library.put("Data/s.txt", bytes + "/*");
    Mdx_Array<KvStandardSizeEntry> entries;
    EXPECT_TRUE(readStandardSizesFile(path("s.txt"), entries));
}

TEST_F(StandardsDataFileTest, FilesAreLookedUpInTheLibraryInOrder) {
    Mdx_String found;
    EXPECT_FALSE(findStandardsDataFile("", found));
    EXPECT_FALSE(findStandardsDataFile("nowhere.dat", found));
    library.put("../top.dat", "t");
    EXPECT_TRUE(findStandardsDataFile("top.dat", found));
    EXPECT_EQ(found, Mdx_String("L:\\top.dat"));
    library.put("top.dat", "t");
    EXPECT_TRUE(findStandardsDataFile("top.dat", found));
    EXPECT_EQ(found, Mdx_String("L:\\Connection Standards\\top.dat"));
    library.put("Data/top.dat", "t");
    EXPECT_TRUE(findStandardsDataFile("TOP.DAT", found));  // names authored on Windows
    EXPECT_EQ(found, Mdx_String("L:\\Connection Standards\\Data\\TOP.DAT"));
}

TEST_F(StandardsDataFileTest, WhileNamesAreStableAFileIsAskedForOnceUntilTheModuleWrites) {
    win::StableFileNames stable;
    Mdx_String found;
    EXPECT_FALSE(findStandardsDataFile("late.dat", found));
    library.put("Data/late.dat", "x");  // behind the module's back, as another program would
    EXPECT_FALSE(findStandardsDataFile("late.dat", found)) << "answered from memory";
    Mdx_StringArray lines;
    lines.append("x");
    ASSERT_TRUE(ObjectExportWriteFile("L:\\Connection Standards\\Data\\other.dat", lines));
    EXPECT_TRUE(findStandardsDataFile("late.dat", found)) << "a write of the module forgets";
}

}  // namespace
