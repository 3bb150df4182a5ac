#include "designer/Mdx_DesignerControl.h"

#include <gtest/gtest.h>

#include "core/Mdx_PropertiesList.h"

namespace {

Mdx_DesignerControl ofType(Mdx_ControlType type) {
    Mdx_DesignerControl c;
    c.type = type;
    return c;
}

TEST(DesignerControl, FlexButtonsMergeTheirFourStrings) {
    Mdx_DesignerControl flex = ofType(ctFlexButton);
    flex.flexGroup = "G";
    flex.flexValue = "x";
    flex.comboList = "ignored";
    EXPECT_EQ(flex.getMergedExtComboList(), Mdx_String("G;;x;"));

    Mdx_DesignerControl back = ofType(ctFlexButton);
    EXPECT_TRUE(back.setSplitExtComboList("G;;x;"));
    EXPECT_EQ(back.flexGroup, Mdx_String("G"));
    EXPECT_TRUE(back.flexVars.isEmpty());
    EXPECT_EQ(back.flexValue, Mdx_String("x"));
    EXPECT_TRUE(back.flexSpare.isEmpty());
}

TEST(DesignerControl, DistanceButtonsMergeExtendedStringsAndList) {
    Mdx_DesignerControl distance = ofType(ctDistanceButton);
    distance.extString1 = "a";
    distance.extString2 = "-b";
    distance.extString3 = "c";
    distance.extString4 = "2";
    distance.comboList = "f.txt";
    EXPECT_EQ(distance.getMergedExtComboList(), Mdx_String("a;-b;c;2;f.txt"));

    // Missing trailing parts are empty, extra parts are dropped.
    Mdx_DesignerControl shortOne = ofType(ctDistanceButton2);
    shortOne.comboList = "old";
    shortOne.setSplitExtComboList("a;b");
    EXPECT_EQ(shortOne.extString2, Mdx_String("b"));
    EXPECT_TRUE(shortOne.extString3.isEmpty());
    EXPECT_TRUE(shortOne.comboList.isEmpty());
    Mdx_DesignerControl longOne = ofType(ctDistanceButton);
    longOne.setSplitExtComboList("1;2;3;4;5;6;7");
    EXPECT_EQ(longOne.comboList, Mdx_String("5"));
    EXPECT_EQ(longOne.getMergedExtComboList(), Mdx_String("1;2;3;4;5"));
}

TEST(DesignerControl, OtherTypesKeepTheWholeListWithItsSeparators) {
    Mdx_DesignerControl combo = ofType(ctVarCombo);
    combo.setSplitExtComboList("Data\\a;b.txt");
    EXPECT_EQ(combo.comboList, Mdx_String("Data\\a;b.txt"));
    EXPECT_EQ(combo.getMergedExtComboList(), combo.comboList);
}

TEST(DesignerControl, CopiesCarryEveryField) {
    Mdx_DesignerControl c = ofType(ctFlexButton);
    c.readOnly = true;
    c.resId = 33005;
    c.tabOrder = 4;
    c.topLeftX = 0.25;
    c.bottomRightY = 0.75;
    c.contents = "L1";
    c.flexGroup = "G";
    c.extString4 = "2";
    c.comboItems = {"a", "b"};
    Mdx_DesignerControl copy(c);
    Mdx_DesignerControl assigned;
    assigned = c;
    for (const Mdx_DesignerControl* d : {&copy, &assigned}) {
        EXPECT_EQ(d->type, ctFlexButton);
        EXPECT_TRUE(d->readOnly);
        EXPECT_EQ(d->resId, 33005);
        EXPECT_EQ(d->tabOrder, 4);
        EXPECT_EQ(d->topLeftX, 0.25);
        EXPECT_EQ(d->bottomRightY, 0.75);
        EXPECT_EQ(d->contents, Mdx_String("L1"));
        EXPECT_EQ(d->flexGroup, Mdx_String("G"));
        EXPECT_EQ(d->extString4, Mdx_String("2"));
        EXPECT_EQ(d->comboItems, (Mdx_StringArray{"a", "b"}));
    }
}

TEST(DesignerControl, MissingKeysLeaveFieldsAsTheyWere) {
    Mdx_PropertiesList list;
    list.setDouble("topLeftX12", 0.5);
    list.setString("contents12", "Width");
    Mdx_DesignerControl c = ofType(ctVarEdit);
    c.topLeftY = 0.125;
    c.getFromPropList(list, 12);
    EXPECT_EQ(c.type, ctVarEdit);
    EXPECT_EQ(c.topLeftX, 0.5);
    EXPECT_EQ(c.topLeftY, 0.125);
    EXPECT_EQ(c.contents, Mdx_String("Width"));
}

}  // namespace
