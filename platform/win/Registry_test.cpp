#include "win/Registry.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "win/FilePaths.h"
#include "win/Profile.h"

namespace fs = std::filesystem;

namespace {

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("mdx_reg_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        win::setProfileFolder(folder);
        win::reloadRegistry();
    }
    void TearDown() override {
        win::setWriteFaultHook({});
        win::setProfileFolder({});
        fs::remove_all(folder);
    }
    static LONG setText(HKEY key, const char* name, const char* text) {
        return RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                             static_cast<DWORD>(std::strlen(text) + 1));
    }
    static std::string readText(HKEY root, const char* path, const char* name) {
        HKEY key = nullptr;
        if (RegOpenKeyEx(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return "<no key>";
        char buffer[256] = {};
        DWORD size = sizeof buffer;
        DWORD type = 0;
        const LONG result =
            RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
        RegCloseKey(key);
        if (result != ERROR_SUCCESS) return "<no value>";
        return std::string(buffer);
    }
    fs::path folder;
};

TEST_F(RegistryTest, ValuesSurviveAReloadAsInANewProcess) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "Software\\Korvelt\\Spreadsheet Editor v1.0", 0,
                             nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    ASSERT_EQ(setText(key, "Language", "DE"), ERROR_SUCCESS);
    ASSERT_EQ(setText(key, "Default Settings", "quote \" back\\slash\nline \x95"), ERROR_SUCCESS);
    const DWORD count = 10;
    ASSERT_EQ(RegSetValueEx(key, "Count", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&count), 4),
              ERROR_SUCCESS);
    RegCloseKey(key);
    ASSERT_EQ(
        RegSetValue(HKEY_CLASSES_ROOT, "CLSID\\{AB}\\InprocServer32", REG_SZ, "Pellix.arx", 0),
        ERROR_SUCCESS);

    win::reloadRegistry();
    EXPECT_EQ(
        readText(HKEY_LOCAL_MACHINE, "software\\KORVELT\\Spreadsheet Editor v1.0", "language"),
        "DE");
    EXPECT_EQ(readText(HKEY_LOCAL_MACHINE, "Software\\Korvelt\\Spreadsheet Editor v1.0",
                       "Default Settings"),
              "quote \" back\\slash\nline \x95");
    EXPECT_EQ(readText(HKEY_CLASSES_ROOT, "CLSID\\{AB}\\InprocServer32", nullptr), "Pellix.arx");
    HKEY again = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Software\\Korvelt\\Spreadsheet Editor v1.0", 0,
                           KEY_READ, &again),
              ERROR_SUCCESS);
    DWORD type = 0, value = 0, size = sizeof value;
    EXPECT_EQ(
        RegQueryValueEx(again, "Count", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(value, 10u);
    RegCloseKey(again);
    EXPECT_EQ(win::registryBadLines(), 0);
}

TEST_F(RegistryTest, KeysWithoutValuesPersistToo) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKey(HKEY_CLASSES_ROOT, "TypeLib\\{T}\\1.1", &key), ERROR_SUCCESS);
    RegCloseKey(key);
    win::reloadRegistry();
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "TypeLib\\{T}\\1.1", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST_F(RegistryTest, DeletingKeysAndTrees) {
    RegSetValue(HKEY_CLASSES_ROOT, "CLSID\\{C}\\Typelib", REG_SZ, "{T}", 0);
    RegSetValue(HKEY_CLASSES_ROOT, "CLSID\\{C}\\InprocServer32", REG_SZ, "x", 0);
    HKEY parent = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "CLSID", 0, KEY_ALL_ACCESS, &parent), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKey(parent, "{C}"), ERROR_ACCESS_DENIED) << "it still has subkeys";
    EXPECT_EQ(RegDeleteTree(parent, "{C}"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteTree(parent, "{C}"), ERROR_FILE_NOT_FOUND);
    RegCloseKey(parent);
    win::reloadRegistry();
    EXPECT_EQ(readText(HKEY_CLASSES_ROOT, "CLSID\\{C}\\Typelib", nullptr), "<no key>");
    EXPECT_EQ(readText(HKEY_CLASSES_ROOT, "CLSID", nullptr), "<no value>") << "the parent stays";
}

TEST_F(RegistryTest, HandleOfADeletedKeyAndAccessRightsAreChecked) {
    HKEY key = nullptr;
    RegCreateKey(HKEY_CURRENT_USER, "A\\B", &key);
    RegDeleteTree(HKEY_CURRENT_USER, "A");
    EXPECT_EQ(setText(key, "x", "y"), ERROR_KEY_DELETED);
    RegCloseKey(key);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    RegCreateKey(HKEY_CURRENT_USER, "A", &key);
    RegCloseKey(key);
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "A", 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(setText(key, "x", "y"), ERROR_ACCESS_DENIED);
    RegCloseKey(key);
}

TEST_F(RegistryTest, QueryReportsTheSizeNeeded) {
    RegSetValue(HKEY_CURRENT_USER, "K", REG_SZ, "twelve chars", 0);
    HKEY key = nullptr;
    RegOpenKeyEx(HKEY_CURRENT_USER, "K", 0, KEY_READ, &key);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueEx(key, nullptr, nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 13u);
    char small[4];
    size = sizeof small;
    EXPECT_EQ(
        RegQueryValueEx(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size),
        ERROR_MORE_DATA);
    EXPECT_EQ(size, 13u);
    RegCloseKey(key);
}

TEST_F(RegistryTest, AChangeThatCannotBeSavedIsUndoneAndReported) {
    RegSetValue(HKEY_CURRENT_USER, "K", REG_SZ, "old", 0);
    win::setWriteFaultHook([](win::WriteStage s) { return s == win::WriteStage::Rename; });
    EXPECT_EQ(RegSetValue(HKEY_CURRENT_USER, "K", REG_SZ, "new", 0), ERROR_WRITE_FAULT);
    EXPECT_EQ(readText(HKEY_CURRENT_USER, "K", nullptr), "old") << "memory agrees with the disk";
    win::setWriteFaultHook({});
    win::reloadRegistry();
    EXPECT_EQ(readText(HKEY_CURRENT_USER, "K", nullptr), "old");
}

TEST_F(RegistryTest, AnUnreadableStoreIsSetAsideNotOverwritten) {
    fs::create_directories(folder);
    const std::string junk("\x00\xff garbage\n[HKEY", 16);
    { std::ofstream(folder / "registry.txt", std::ios::binary) << junk; }
    win::reloadRegistry();
    EXPECT_EQ(readText(HKEY_CURRENT_USER, "K", nullptr), "<no key>");
    ASSERT_EQ(RegSetValue(HKEY_CURRENT_USER, "K", REG_SZ, "v", 0), ERROR_SUCCESS);
    std::string kept;
    ASSERT_TRUE(win::readWholeFile(folder / "registry.txt.unreadable", kept));
    EXPECT_EQ(kept, junk);
}

TEST_F(RegistryTest, BadLinesAreSkippedAndCounted) {
    fs::create_directories(folder);
    {
        std::ofstream out(folder / "registry.txt", std::ios::binary);
        out << "MDX-REGISTRY 1\n[HKEY_CURRENT_USER\\K]\n@=sz:\"good\"\n\"x\"=sz:\"unterminated\n"
               "\"y\"=dword:12\n[NOWHERE\\K]\n\"z\"=sz:\"lost\"\n\"w\"=hex(3):0a,ff\n";
    }
    win::reloadRegistry();
    EXPECT_EQ(readText(HKEY_CURRENT_USER, "K", nullptr), "good");
    EXPECT_EQ(win::registryBadLines(), 5);
}

}  // namespace
