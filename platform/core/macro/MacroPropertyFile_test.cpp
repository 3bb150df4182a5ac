// Property files of the macro dialog's data: what is written reads back exactly into
// another copy, what finds no place is counted, and every malformed text is refused before
// anything changes.
#include "core/macro/MacroPropertyFile.h"

#include <gtest/gtest.h>

#include "core/macro/MacroData.h"
#include "core/macro/testing/EndPlateDrawing.h"
#include "host/AcTransaction.h"

namespace {

namespace file = macro_property_file;

class PropertyFile : public ::testing::Test {
protected:
    void SetUp() override {
        drawing = endplate::build(db);
        AcTransaction transaction(db);
        ASSERT_EQ(data.addMacro(drawing.macro, transaction), Acad::eOk);
    }
    MacroTabData& tab(MacroData& of, const char* name) {
        int index = -1;
        EXPECT_TRUE(of.findTab(name, index)) << name;
        return *of.getTab(index);
    }
    std::string header() { return "MDX-MACRO-VALUES\t1\nmacro\tEndPlate_IPE_HEA\n"; }

    AcDbDatabase db;
    endplate::Drawing drawing;
    MacroData data;
};

TEST_F(PropertyFile, WrittenValuesReadBackExactlyIntoAnotherCopy) {
    tab(data, "Plate").findCellWithName("L1")->value = "12.345678901";
    tab(data, "Plate").findCutWithName("Cut1")->typeIndex = 3;
    tab(data, "Bolts").getBoltData()->diameter = "24";
    tab(data, "Bolts").patterns()[0].nrBolts1 = "4";
    std::string text, error;
    ASSERT_TRUE(file::compose(data, text, error)) << error;

    MacroData other;
    AcTransaction transaction(db);
    ASSERT_EQ(other.addMacro(drawing.macro, transaction), Acad::eOk);
    int count = -1;
    ASSERT_TRUE(file::apply(text, other, count, error)) << error << "\n" << text;
    EXPECT_EQ(count, 0);
    EXPECT_EQ(tab(other, "Plate").findCellWithName("L1")->value, Mdx_String("12.345678901"));
    EXPECT_EQ(tab(other, "Plate").findCutWithName("Cut1")->typeIndex, 3);
    EXPECT_EQ(tab(other, "Bolts").getBoltData()->diameter, Mdx_String("24"));
    EXPECT_EQ(tab(other, "Bolts").patterns()[0].nrBolts1, Mdx_String("4"));
    EXPECT_EQ(text.find("\tThickness\t"), std::string::npos) << "read-only values are not kept";
}

TEST_F(PropertyFile, ValuesWithoutAPlaceOrOfTheWrongKindAreCountedNotTaken) {
    std::string error;
    int count = 0;
    ASSERT_TRUE(file::apply(header() +
                                "tab\tPlate\nvar\tL1\tabc\nvar\tL2\t7\ncut\tCut1\t9\ncut\tCut1\t1x\n"
                                "tab\tBolts\nbolt\t6\tX\nbolts\tBoltPattern\t-1\t2\t80\n"
                                "bolts\tBoltPattern\t5\t5\twide\nend\n",
                            data, count, error))
        << error;
    EXPECT_EQ(count, 6)
        << "a text for a distance, cut type 9 and 1x, bolt value 6, -1 bolts, a text spacing";
    EXPECT_EQ(tab(data, "Plate").findCellWithName("L2")->value, Mdx_String("7"));
    EXPECT_EQ(tab(data, "Plate").findCellWithName("L1")->value, Mdx_String("15"));
    EXPECT_EQ(tab(data, "Bolts").patterns()[0].nrBolts2, Mdx_String("3"))
        << "a pattern's counts and spacing are taken together or not at all";
}

TEST_F(PropertyFile, MalformedTextIsRefusedWholeAndChangesNothing) {
    const std::string cases[] = {
        "",
        "MDX-MACRO-VALUES\t2\nmacro\tEndPlate_IPE_HEA\nend\n",
        header() + "tab\tPlate\nvar\tL2\t7\n",                       // no end
        header() + "tab\tPlate\nvar\tL2\t7\nend\nvar\tL1\t3\n",      // text after end
        header() + "var\tL2\t7\nend\n",                              // value before a tab
        header() + "tab\tPlate\nvar\tL2\nend\n",                     // a field short
        header() + "tab\tPlate\nsize\tL2\t7\nend\n",                 // unknown record
        header() + "tab\tPlate\nvar\tL2\t" + std::string(2000, '7') + "\nend\n",
        "MDX-MACRO-VALUES\t1\nmacro\tOther\ntab\tPlate\nvar\tL2\t7\nend\n",
        header() + std::string(file::kMaxBytes, '\n') + "end\n",
    };
    for (const std::string& text : cases) {
        MacroData before = data;
        std::string error;
        int count = -7;
        EXPECT_FALSE(file::apply(text, data, count, error)) << text.substr(0, 80);
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(count, -7);
        EXPECT_EQ(tab(data, "Plate").findCellWithName("L2")->value,
                  tab(before, "Plate").findCellWithName("L2")->value);
    }
}

TEST_F(PropertyFile, AValueThatWouldBreakItsLineIsNotWrittenAndNamesStayInTheirFolder) {
    tab(data, "Plate").findCellWithName("L1")->value = "1\t2";
    std::string text, error;
    EXPECT_FALSE(file::compose(data, text, error));
    EXPECT_NE(error.find("tab or a line break"), std::string::npos);
    const std::string bad[] = {"", " a", "a.", "..", "a\\b", "../b", "c:x", std::string(101, 'a')};
    for (const std::string& name : bad)
        EXPECT_FALSE(file::checkName(Mdx_String(name), error)) << name;
    EXPECT_TRUE(file::checkName("Heavy 2.v1", error)) << error;
}

}  // namespace
