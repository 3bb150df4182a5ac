#include "win/RegistryTree.h"

#include <gtest/gtest.h>

namespace {

using win::detail::RegistryKey;
using win::detail::RegistryRoots;

RegistryKey& child(RegistryKey& parent, const std::string& name) {
    auto& slot = parent.subkeys[win::detail::lowerKeyName(name)];
    if (!slot) {
        slot = std::make_unique<RegistryKey>();
        slot->name = name;
    }
    return *slot;
}

TEST(RegistryTree, AwkwardNamesAndValuesRoundTripExactly) {
    RegistryRoots roots;
    RegistryKey& key = child(child(roots.classesRoot, "odd]%name\x01"), "Sub [x]");
    key.values["a\"b"] = {"a\"b", 1, std::string("line\nnext\t\\\x95\x01", 14) + '\0'};
    key.values[""] = {"", 1, std::string("", 0) + '\0'};
    key.values["bin"] = {"Bin", 3, std::string("\x00\xff\x10", 3)};
    key.values["n"] = {"N", 4, std::string("\x0a\x00\x00\x80", 4)};
    key.values["two zeros"] = {"two zeros", 1, std::string("a\0b\0", 4)};
    const std::string text = win::detail::writeRegistryFile(roots);
    RegistryRoots back;
    int bad = -1;
    ASSERT_TRUE(win::detail::readRegistryFile(text, back, bad));
    EXPECT_EQ(bad, 0);
    EXPECT_EQ(win::detail::writeRegistryFile(back), text);
    const RegistryKey& read = *back.classesRoot.subkeys.at("odd]%name\x01")->subkeys.at("sub [x]");
    EXPECT_EQ(read.name, "Sub [x]");
    EXPECT_EQ(read.values.at("a\"b").bytes, key.values["a\"b"].bytes);
    EXPECT_EQ(read.values.at("two zeros").type, 1u);
    EXPECT_EQ(read.values.at("two zeros").bytes, std::string("a\0b\0", 4));
    EXPECT_EQ(read.values.at("n").bytes, std::string("\x0a\x00\x00\x80", 4));
}

TEST(RegistryTree, OtherVersionsAndEmptyTextAreNotRead) {
    RegistryRoots roots;
    int bad = 0;
    EXPECT_FALSE(win::detail::readRegistryFile("", roots, bad));
    EXPECT_FALSE(win::detail::readRegistryFile("MDX-REGISTRY 2\n", roots, bad));
    EXPECT_TRUE(win::detail::readRegistryFile("MDX-REGISTRY 1\r\n[HKEY_USERS\\a]\r\n", roots, bad));
    EXPECT_EQ(roots.users.subkeys.count("a"), 1u) << "Windows line ends are read too";
}

TEST(RegistryTree, MalformedLinesNeverThrowOrHalfApply) {
    const char* lines[] = {"\"x\"=hex(",
                           "\"x\"=hex(99999999999):00",
                           "\"x\"=hex(3):0",
                           "\"x\"=hex(3):00,",
                           "\"x\"=dword:zz",
                           "\"x\"=sz:\"a\\q\"",
                           "\"x\"=sz:\"a\"b",
                           "@",
                           "\"x",
                           "[HKEY_USERS\\]",
                           "[HKEY_USERS\\a%zz]",
                           "[]"};
    for (const char* line : lines) {
        RegistryRoots roots;
        int bad = 0;
        ASSERT_TRUE(win::detail::readRegistryFile(
            std::string("MDX-REGISTRY 1\n[HKEY_USERS\\k]\n") + line + "\n", roots, bad));
        EXPECT_EQ(bad, 1) << line;
        EXPECT_TRUE(roots.users.subkeys.at("k")->values.empty()) << line;
    }
}

}  // namespace
