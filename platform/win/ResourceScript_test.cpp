#include "win/ResourceScript.h"

#include <gtest/gtest.h>

#include <random>

#include "win/WinStyles.h"

namespace {

win::ResourceScript read(const std::string& text, const std::string& header = "") {
    win::SymbolTable symbols;
    std::vector<std::string> errors;
    if (!header.empty()) symbols.readHeader(header, "resource.h", errors);
    win::ResourceScript script;
    win::readResourceScript(text, "test.rc", symbols, script);
    for (auto& e : errors) script.errors.push_back(e);
    return script;
}

TEST(ResourceScript, ControlStatementsGetTheirClassesAndDefaultStyles) {
    const auto script = read(
        R"(
#include "resource.h"
IDD_X DIALOGEX 10, 20, 200, 100, 0
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION
EXSTYLE WS_EX_TOOLWINDOW
CAPTION "Cuts ""A"""
FONT 8, "MS Sans Serif", 0, 0, 0x1
{
    LTEXT "Name:", IDC_STATIC, 7, 9, 30, 8
    EDITTEXT IDC_NAME, 40, 7, 60, 14, ES_AUTOHSCROLL | NOT WS_TABSTOP
    COMBOBOX IDC_LIST, 40, 25, 60, 80, CBS_DROPDOWNLIST | WS_VSCROLL
    AUTO3STATE "Three", 1003, 7, 45, 50, 10
    AUTORADIOBUTTON "R", 1004, 7, 60, 50, 10, WS_GROUP
    GROUPBOX "Box", -1, 5, 40, 100, 40
    ICON 261, 1005, 150, 7
    CONTROL "", 1196, "fpSpread70", WS_TABSTOP, 7, 70, 100, 20, WS_EX_CLIENTEDGE
    CONTROL "Tab", 8097, SysTabControl32, 0x0, 3, 3, 20, 20
    DEFPUSHBUTTON "OK", IDOK, 150, 80, 40, 14
}
)",
        "#define IDD_X 207\n#define IDC_NAME 1001 // the name\n#define IDC_LIST (IDC_NAME + 1)\n");
    for (const auto& e : script.errors) ADD_FAILURE() << e;
    ASSERT_EQ(script.dialogs.count(207), 1u);
    const win::DialogTemplate& d = script.dialogs.at(207);
    EXPECT_TRUE(d.extended);
    EXPECT_EQ(d.caption, "Cuts \"A\"");
    EXPECT_EQ(d.fontFace, "MS Sans Serif");
    EXPECT_EQ(d.style, DS_MODALFRAME | WS_POPUP | WS_CAPTION | DS_SETFONT);
    EXPECT_EQ(d.exStyle, WS_EX_TOOLWINDOW);
    EXPECT_EQ(d.x, 10);
    EXPECT_EQ(d.cy, 100);
    ASSERT_EQ(d.items.size(), 10u);
    EXPECT_EQ(d.items[0].className, "STATIC");
    EXPECT_EQ(d.items[0].id, -1);
    EXPECT_EQ(d.items[0].style, WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP);
    EXPECT_EQ(d.items[1].className, "EDIT");
    EXPECT_EQ(d.items[1].id, 1001);
    EXPECT_EQ(d.items[1].style, WS_CHILD | WS_VISIBLE | ES_LEFT | WS_BORDER | ES_AUTOHSCROLL);
    EXPECT_EQ(d.items[2].id, 1002);
    EXPECT_EQ(d.items[2].style & 0x3, CBS_DROPDOWNLIST);
    EXPECT_EQ(d.items[3].style & BS_TYPEMASK, BS_AUTO3STATE);
    EXPECT_TRUE(d.items[4].style & WS_GROUP);
    EXPECT_EQ(d.items[5].style & BS_TYPEMASK, BS_GROUPBOX);
    EXPECT_EQ(d.items[6].imageId, 261u);
    EXPECT_EQ(d.items[6].style & SS_TYPEMASK, SS_ICON);
    EXPECT_EQ(d.items[7].className, "fpSpread70");
    EXPECT_EQ(d.items[7].style, WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    EXPECT_EQ(d.items[7].exStyle, WS_EX_CLIENTEDGE);
    EXPECT_EQ(d.items[8].className, "SysTabControl32");
    EXPECT_EQ(d.items[9].style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(script.includes, (std::vector<std::string>{"resource.h"}));
}

TEST(ResourceScript, DialogWithoutStyleGetsTheCompilersDefault) {
    const auto script = read("5 DIALOG 0, 0, 10, 10\nCAPTION \"T\"\nBEGIN\nEND\n");
    ASSERT_EQ(script.dialogs.count(5), 1u);
    EXPECT_EQ(script.dialogs.at(5).style, WS_POPUP | WS_BORDER | WS_SYSMENU | WS_CAPTION);
}

TEST(ResourceScript, StringTablesBitmapsAndSkippedResources) {
    const auto script = read(R"(
STRINGTABLE DISCARDABLE
BEGIN
    1 "OK"
    2, "Tab\there\nnext \\ \x41 ""q"" \226"
END
8134 BITMAP DISCARDABLE "res\\clear.bmp"
IDR_MENU MENU
BEGIN
    POPUP "&File" BEGIN MENUITEM "E&xit", 100 END
END
1 VERSIONINFO FILEVERSION 1,0,0,1
BEGIN
    BLOCK "StringFileInfo" BEGIN VALUE "x", "y" END
END
261 ICON "icons/up.ico"
)");
    for (const auto& e : script.errors) ADD_FAILURE() << e;
    EXPECT_EQ(script.strings.at(1), "OK");
    EXPECT_EQ(script.strings.at(2), "Tab\there\nnext \\ A \"q\" \226");
    EXPECT_EQ(script.bitmapFiles.at(8134), "res\\clear.bmp");
    EXPECT_EQ(script.iconFiles.at(261), "icons/up.ico");
}

TEST(ResourceScript, BrokenStatementsAreReportedWithTheirLineAndSkipped) {
    const auto script = read(R"(7 DIALOG 0, 0, 10, 10
BEGIN
    PUSHBUTTON "A", 1, 0, 0, 10
    FANCYBUTTON "B", 2, 0, 0, 10, 10
    PUSHBUTTON "C", UNKNOWN_ID, 0, 0, 10, 10
    PUSHBUTTON "D", 4, 0, 0, 10, 10
END
STRINGTABLE BEGIN 5 "x" 6 END
8 DIALOG 1, 2
BEGIN
    PUSHBUTTON "E", 1, 0, 0, 10, 10
END
9 DIALOG 0, 0, 5, 5 BEGIN END
)");
    ASSERT_EQ(script.dialogs.count(7), 1u);
    ASSERT_EQ(script.dialogs.at(7).items.size(), 1u);
    EXPECT_EQ(script.dialogs.at(7).items[0].text, "D");
    EXPECT_EQ(script.strings.at(5), "x");
    EXPECT_EQ(script.dialogs.count(8), 0u);
    EXPECT_EQ(script.dialogs.count(9), 1u) << "reading goes on after a broken dialog";
    ASSERT_GE(script.errors.size(), 5u);
    EXPECT_NE(script.errors[0].find("test.rc:3:"), std::string::npos) << script.errors[0];
    EXPECT_NE(script.errors[2].find("UNKNOWN_ID"), std::string::npos) << script.errors[2];
}

TEST(ResourceScript, ANumberDefinedTwiceIsReportedAndTheLaterOneKept) {
    win::SymbolTable symbols;
    win::ResourceScript script;
    win::readResourceScript(
        "218 DIALOG 0, 0, 10, 10\nCAPTION \"First\"\nBEGIN\nEND\n8134 BITMAP \"a.bmp\"\n", "a.rc",
        symbols, script);
    win::readResourceScript(
        "218 DIALOG 0, 0, 20, 20\nCAPTION \"Second\"\nBEGIN\nEND\nSTRINGTABLE BEGIN 1 \"x\" 1 "
        "\"y\" END\n"
        "8134 BITMAP \"b.bmp\"\n",
        "b.rc", symbols, script);
    EXPECT_EQ(script.dialogs.at(218).caption, "Second");
    EXPECT_EQ(script.strings.at(1), "y");
    EXPECT_EQ(script.bitmapFiles.at(8134), "b.bmp");
    ASSERT_EQ(script.errors.size(), 3u);
    EXPECT_EQ(script.errors[0], "b.rc:1: dialog 218 is defined again");
}

TEST(ResourceScript, AnyBytesAreReadWithoutCrashingOrHanging) {
    std::mt19937 random(7);
    const std::string pieces[] = {
        "DIALOG", "BEGIN",       "END",     "{",  "}",  "\"", ",",  "(",       "NOT", "|", "1",
        "0x",     "STRINGTABLE", "#define", "\n", "/*", "//", "\\", "CONTROL", "~",   "-"};
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (int i = 0; i < 60; ++i) {
            if (random() % 3 == 0)
                text += static_cast<char>(random() % 256);
            else
                text += pieces[random() % std::size(pieces)] + " ";
        }
        win::ResourceScript script = read(text);
        (void)script;
    }
    std::string deep(5000, '(');
    const auto script = read("1 DIALOG " + deep);
    EXPECT_FALSE(script.errors.empty());
}

}  // namespace
