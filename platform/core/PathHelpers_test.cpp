#include "core/PathHelpers.h"

#include <gtest/gtest.h>

namespace {

TEST(PathHelpers, FolderAndFileName) {
    EXPECT_EQ(getPath("C:\\Lib\\Connection Standards\\End plate.kvs"),
              Mdx_String("C:\\Lib\\Connection Standards\\"));
    EXPECT_EQ(getPath("plain.kvs"), Mdx_String());
    EXPECT_EQ(getPath("a/b\\c"), Mdx_String("a/b\\"));
    EXPECT_EQ(getFileName("C:\\Lib\\x.kvs"), Mdx_String("x.kvs"));
    EXPECT_EQ(getFileName("C:\\Lib\\"), Mdx_String());
    Mdx_String name;
    getFileName("a\\b", name);
    EXPECT_EQ(name, Mdx_String("b"));
}

TEST(PathHelpers, ExtensionsOnlyInTheFileName) {
    EXPECT_EQ(getExtension("x.tar.gz"), Mdx_String("gz"));
    EXPECT_EQ(getExtension("v1.0\\readme"), Mdx_String());

    Mdx_String p("C:\\Lib v1.0\\Connection Standards\\Sub\\Splice.kvs");
    changeExtension(p, "map");
    EXPECT_EQ(p, Mdx_String("C:\\Lib v1.0\\Connection Standards\\Sub\\Splice.map"));
    changeExtension(p, ".txt");
    EXPECT_EQ(p, Mdx_String("C:\\Lib v1.0\\Connection Standards\\Sub\\Splice.txt"));

    Mdx_String noExt("C:\\v1.0\\file");
    changeExtension(noExt, "map");
    EXPECT_EQ(noExt, Mdx_String("C:\\v1.0\\file.map"));

    Mdx_String r("a\\b.c.d");
    removeExtension(r);
    EXPECT_EQ(r, Mdx_String("a\\b.c"));
    Mdx_String folderDot("a.b\\c");
    removeExtension(folderDot);
    EXPECT_EQ(folderDot, Mdx_String("a.b\\c"));
}

TEST(PathHelpers, Backslashes) {
    Mdx_String s("\\\\/Childs\\x.kvs");
    ensureNoStartBSlash(s);
    EXPECT_EQ(s, Mdx_String("Childs\\x.kvs"));
    Mdx_String only("\\\\");
    ensureNoStartBSlash(only);
    EXPECT_TRUE(only.isEmpty());

    Mdx_String dir("C:\\lib");
    ensureEndBSlash(dir);
    ensureEndBSlash(dir);
    EXPECT_EQ(dir, Mdx_String("C:\\lib\\"));
    Mdx_String empty;
    ensureEndBSlash(empty);
    EXPECT_TRUE(empty.isEmpty());

    EXPECT_EQ(joinPath("C:\\lib\\", "\\prof\\a.pr"), Mdx_String("C:\\lib\\prof\\a.pr"));
    EXPECT_EQ(joinPath("C:\\lib", "prof"), Mdx_String("C:\\lib\\prof"));
}

TEST(PathHelpers, InvalidFileNameCharacters) {
    EXPECT_FALSE(hasInvalidFileNameChars("Plate thickness_2 (mm) \xE4"));
    for (const char* bad :
         {"a/b", "a\\b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b", "a\tb"})
        EXPECT_TRUE(hasInvalidFileNameChars(bad)) << bad;
}

}  // namespace
