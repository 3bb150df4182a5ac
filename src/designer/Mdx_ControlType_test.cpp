#include "designer/Mdx_ControlType.h"

#include <gtest/gtest.h>

#include <string>

#include "core/Mdx_StringArray.h"
#include "frame/FrameTestSupport.h"
#include "win/WinStyles.h"

namespace {

using designer::controlExStyleOf;
using designer::controlStyleOf;
using designer::windowClassOf;

struct Expected {
    int type;
    const char* windowClass;
    DWORD style;
};

constexpr DWORD kEdit = ES_AUTOHSCROLL;
constexpr DWORD kMultiLine = ES_MULTILINE;
constexpr DWORD kEditCombo = WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
constexpr DWORD kListCombo = WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kPush = BS_PUSHBUTTON;

const Expected kTable[] = {
    {0, "STATIC", 0},          {1, "BUTTON", BS_GROUPBOX},  {2, "EDIT", kEdit},
    {3, "COMBOBOX", kEditCombo}, {4, "EDIT", kMultiLine},   {5, "EDIT", kMultiLine},
    {6, "BUTTON", kPush},      {7, "COMBOBOX", kListCombo}, {8, "EDIT", kEdit},
    {9, "EDIT", kEdit},        {10, "EDIT", kEdit},         {11, "EDIT", kEdit},
    {12, "BUTTON", kPush},     {13, "COMBOBOX", kListCombo}, {14, "BUTTON", kPush},
    {15, "COMBOBOX", kListCombo}, {16, "COMBOBOX", kEditCombo}, {17, "BUTTON", kPush},
    {18, "EDIT", kEdit},       {19, "EDIT", kEdit},         {20, "EDIT", kEdit},
    {21, "EDIT", kEdit},       {22, "EDIT", kEdit},         {23, "EDIT", kEdit},
    {24, "BUTTON", kPush},     {25, "BUTTON", kPush},       {26, "BUTTON", kPush},
    {27, "COMBOBOX", kListCombo}, {28, "COMBOBOX", kListCombo},
    {29, "BUTTON", BS_AUTOCHECKBOX},
    {30, "BUTTON", BS_AUTOCHECKBOX | BS_PUSHLIKE | BS_ICON | BS_VCENTER},
};

TEST(ControlType, EveryTypeHasItsWindowClassAndStyle) {
    ASSERT_EQ(std::size(kTable), static_cast<std::size_t>(designer::kControlTypeCount));
    for (const Expected& e : kTable) {
        SCOPED_TRACE("type " + std::to_string(e.type));
        EXPECT_STREQ(windowClassOf(e.type), e.windowClass);
        EXPECT_EQ(controlStyleOf(e.type), e.style);
        const bool edit = std::string(e.windowClass) == "EDIT";
        EXPECT_EQ(controlExStyleOf(e.type), edit ? WS_EX_CLIENTEDGE : 0u);
        EXPECT_EQ(designer::isEditType(e.type), edit);
    }
}

TEST(ControlType, ValuesOutsideTheTableAreStaticTexts) {
    for (int type : {-1, 31, 1000, -2147483647}) {
        EXPECT_STREQ(windowClassOf(type), "STATIC");
        EXPECT_EQ(controlStyleOf(type), 0u);
        EXPECT_FALSE(designer::isKnownControlType(type));
    }
}

class ControlTypeNames : public frame_testing::FrameTest {};

TEST_F(ControlTypeNames, OneNamePerTypeWithThePatternFieldsNumbered) {
    KvTempResourceOverride resources;
    const Mdx_StringArray names = designer::controlTypeNames();
    ASSERT_EQ(names.length(), designer::kControlTypeCount);
    EXPECT_EQ(names[4], Mdx_String("Pattern field 1: Edit"));
    EXPECT_EQ(names[5], Mdx_String("Pattern field 2: Edit"));
    EXPECT_EQ(names[6], Mdx_String("Pattern button"));
    EXPECT_EQ(names[30], Mdx_String("Flex button"));
}

}  // namespace
