// The file pair of a design and the one reader of its control list.
#include <cmath>

#include "core/FileHelpers.h"
#include "core/Mdx_PropertiesList.h"
#include "designer/DesignerLaunch.h"
#include "designer/DesignerTestSupport.h"

namespace {

using designer_testing::DesignerTest;

class DesignFile : public DesignerTest {
protected:
    // Three controls with every key set to something of its own.
    void fillThree(Mdx_DlgDesignerData& data) {
        Mdx_DesignerControl label = control(ctStaticText, 0.1, 0.2, 0.3, 0.25, "Plate; thickness");
        label.comboList = "Thickness";
        Mdx_DesignerControl flex = control(ctFlexButton, 0.4, 0.5, 0.45, 0.55, "L1");
        flex.flexGroup = "G";
        flex.flexValue = "x";
        Mdx_DesignerControl distance = control(ctDistanceButton, 1.0 / 3, 0.6, 0.9, 0.7, "Gap");
        distance.extString1 = "a";
        distance.extString2 = "-b";
        distance.extString3 = "c";
        distance.extString4 = "2";
        distance.comboList = "f.txt";
        for (const auto& c : {label, flex, distance}) data.append(c);
    }
    static Mdx_PropertiesList listOf(const Mdx_String& path) {
        Mdx_PropertiesList list;
        EXPECT_TRUE(list.readFromFile(path));
        return list;
    }
};

TEST_F(DesignFile, EveryKeyIsWrittenAndReadBack) {
    Mdx_DlgDesignerData data;
    fillThree(data);
    ASSERT_TRUE(data.writeToFile(designPath("Page.txt")));
    EXPECT_EQ(data.getName(), Mdx_String("Page"));

    const Mdx_PropertiesList list = listOf(designPath("Page.txt"));
    ASSERT_EQ(list.count(), 1 + 3 * 7);
    EXPECT_EQ(list.keyAt(0), Mdx_String("nrOfControls"));
    const char* order[] = {"type", "topLeftX", "topLeftY", "bottomRightX", "bottomRightY",
                           "contents", "comboList"};
    for (int i = 0; i < 3; ++i)
        for (int k = 0; k < 7; ++k)
            EXPECT_EQ(list.keyAt(1 + i * 7 + k), Mdx_String(order[k]) + Mdx_String::fromInt(i));
    Mdx_String merged;
    list.getString("comboList1", merged);
    EXPECT_EQ(merged, Mdx_String("G;;x;"));
    list.getString("comboList2", merged);
    EXPECT_EQ(merged, Mdx_String("a;-b;c;2;f.txt"));

    Mdx_DlgDesignerData back;
    back.append(control(ctVarEdit, 0, 0, 0, 0, "stale"));
    ASSERT_TRUE(back.readFromFile(designPath("Page.txt"), false));
    ASSERT_EQ(back.getNrControls(), 3);
    for (int i = 0; i < 3; ++i) {
        const Mdx_DesignerControl& a = *data.getControl(i);
        const Mdx_DesignerControl& b = *back.getControl(i);
        EXPECT_EQ(b.type, a.type);
        EXPECT_EQ(b.topLeftX, a.topLeftX) << "factors read back bit for bit";
        EXPECT_EQ(b.topLeftY, a.topLeftY);
        EXPECT_EQ(b.bottomRightX, a.bottomRightX);
        EXPECT_EQ(b.bottomRightY, a.bottomRightY);
        EXPECT_EQ(b.contents, a.contents);
        EXPECT_EQ(b.getMergedExtComboList(), a.getMergedExtComboList());
        EXPECT_EQ(b.resId, 33000 + i) << "ids handed out afresh";
    }
    EXPECT_EQ(back.getControl(2)->extString2, Mdx_String("-b"));
}

TEST_F(DesignFile, DesignsAreNamedRelativeToTheRootIncludingSubFolders) {
    Mdx_DlgDesignerData data;
    fillThree(data);
    ASSERT_TRUE(data.writeToFile(designPath("Plates\\End.txt")));
    EXPECT_EQ(data.getName(), Mdx_String("Plates\\End"));
    writeRootFile("b.txt", "MDX-PROPERTIES 1\r\n");
    writeRootFile("A.txt", "MDX-PROPERTIES 1\r\n");
    writeRootFile("A.bmp", "not listed");
    Mdx_StringArray names;
    getModuleImages(names);
    EXPECT_EQ(names, (Mdx_StringArray{"A", "b", "Plates\\End"}));
}

TEST_F(DesignFile, PathsOutsideTheRootAreRefusedWithNothingWritten) {
    Mdx_DlgDesignerData data;
    fillThree(data);
    const Mdx_String outside = gSettings.libDir() + "Page.txt";
    EXPECT_FALSE(data.writeToFile(outside));
    EXPECT_FALSE(data.writeToFile(designPath("..\\..\\Escape.txt")));
    EXPECT_FALSE(data.writeToFile(designPath("Sub\\..\\..\\Escape.txt")));
    EXPECT_FALSE(fileExists(outside));
    EXPECT_FALSE(std::filesystem::exists(folder / "Escape.txt"));
    EXPECT_TRUE(data.getName().isEmpty());

    writeRootFile("Page.txt", "MDX-PROPERTIES 1\r\nnrOfControls\ti\t1\r\ntype0\ti\t2\r\n");
    std::filesystem::copy_file(rootFolder() / "Page.txt", folder / "Page.txt");
    Mdx_DlgDesignerData reader;
    EXPECT_FALSE(reader.readFromFile(outside, false));
    EXPECT_FALSE(reader.readFromFile(designPath("Missing.txt"), false));
    EXPECT_FALSE(reader.readFromFile(designPath("..\\..\\Page.txt"), false));
    EXPECT_EQ(reader.getNrControls(), 0);
}

TEST_F(DesignFile, MalformedFilesLeaveTheDocumentAsItWas) {
    Mdx_DlgDesignerData data;
    fillThree(data);
    ASSERT_TRUE(data.writeToFile(designPath("Good.txt")));
    writeRootFile("Bitmap.txt", std::string("BM\0\x01\xff", 5));
    writeRootFile("Text.txt", "MDX-PROPERTIES 1\r\nnrOfControls\ts\tmany\r\n");
    writeRootFile("Negative.txt", "MDX-PROPERTIES 1\r\nnrOfControls\ti\t-3\r\n");
    for (const char* bad : {"Bitmap.txt", "Text.txt", "Negative.txt"}) {
        EXPECT_FALSE(data.readFromFile(designPath(bad), false)) << bad;
        EXPECT_EQ(data.getNrControls(), 3) << bad;
        EXPECT_EQ(data.getName(), Mdx_String("Good")) << bad;
    }
}

// A count far beyond the keys present reads only the controls that have keys.
TEST_F(DesignFile, AHugeCountIsBoundedByTheKeysPresent) {
    writeRootFile("Huge.txt",
                  "MDX-PROPERTIES 1\r\nnrOfControls\ti\t2000000000\r\ntype7\ti\t2\r\n"
                  "contents7\ts\tL\r\ntype199999999\ti\t3\r\ntype01\ti\t2\r\nTYPE3\ti\t29\r\n"
                  "type1999999999\ti\t2\r\n");
    Mdx_DlgDesignerData data;
    ASSERT_TRUE(data.readFromFile(designPath("Huge.txt"), false));
    ASSERT_EQ(data.getNrControls(), 3);
    EXPECT_EQ(data.getControl(0)->type, ctVarCheck) << "keys ignore case";
    EXPECT_EQ(data.getControl(1)->contents, Mdx_String("L"));
    EXPECT_EQ(data.getControl(2)->type, ctVarCombo) << "index 199999999, read without counting up to it";

    Mdx_StringArray names;
    GetImageDlgCtrlNames(designPath("Huge.txt"), names);
    Mdx_StringArray documentNames;
    data.getAllCtrlNames(documentNames);
    EXPECT_EQ(names, documentNames) << "the launch point and the document read alike";
    EXPECT_EQ(names, (Mdx_StringArray{"L"}));
}

TEST_F(DesignFile, IdsComeFromTheRangeAndNoControlIsTakenWithoutOne) {
    Mdx_DlgDesignerData data;
    for (int i = 0; i < 100; ++i) EXPECT_EQ(data.append(control(ctVarEdit, 0, 0, 0, 0)), 33000 + i);
    EXPECT_EQ(data.append(control(ctVarEdit, 0, 0, 0, 0, "101st")), 0);
    EXPECT_EQ(data.getNrControls(), 100) << "a control without an id would be lost to lookups";
    data.removeControl(5);
    EXPECT_EQ(data.append(control(ctVarEdit, 0, 0, 0, 0)), 33005) << "the smallest free id";

    // A file with more controls than ids is refused rather than read in part.
    Mdx_String text = "MDX-PROPERTIES 1\r\nnrOfControls\ti\t101\r\n";
    for (int i = 0; i < 101; ++i) text += Mdx_String::format("type%d\ti\t2\r\n", i);
    writeRootFile("Many.txt", text.str());
    EXPECT_FALSE(data.readFromFile(designPath("Many.txt"), false));
    EXPECT_EQ(data.getNrControls(), 100);
    EXPECT_EQ(data.getControl(99)->resId, 33005) << "the document is as it was";
}

TEST_F(DesignFile, SavingUnderANewNameCarriesThePictureAlong) {
    writePicture("Old.bmp", 30, 20);
    Mdx_DlgDesignerData data;
    fillThree(data);
    ASSERT_TRUE(data.writeToFile(designPath("Old.txt")));
    ASSERT_TRUE(data.readFromFile(designPath("Old.txt"), true));
    int w = 0, h = 0;
    EXPECT_NE(data.getImage(), nullptr);
    ASSERT_TRUE(data.writeToFile(designPath("Sub\\New.txt")));
    EXPECT_TRUE(rootFileExists("Sub/New.bmp"));
    const auto before = std::filesystem::last_write_time(rootFolder() / "Sub" / "New.bmp");
    ASSERT_TRUE(data.writeToFile(designPath("Sub\\new.txt"))) << "same name, other case";
    EXPECT_EQ(std::filesystem::last_write_time(rootFolder() / "Sub" / "New.bmp"), before);
    data.getImageSize(w, h);
    EXPECT_EQ(w, 0) << "not initialised: no size to report";

    // A design without a picture does not keep the picture of the one read before.
    ASSERT_TRUE(data.writeToFile(designPath("Bare.txt")));
    std::filesystem::remove(rootFolder() / "Bare.bmp");
    ASSERT_TRUE(data.readFromFile(designPath("Bare.txt"), true));
    EXPECT_EQ(data.getImage(), nullptr);
}

TEST_F(DesignFile, ACopyIsAnEmptyDocument) {
    Mdx_DlgDesignerData data;
    fillThree(data);
    Mdx_DlgDesignerData copy(data);
    Mdx_DlgDesignerData assigned;
    assigned.append(control(ctVarEdit, 0, 0, 0, 0));
    assigned = data;
    EXPECT_EQ(copy.getNrControls(), 0);
    EXPECT_EQ(assigned.getNrControls(), 1) << "assignment copies nothing";
}

}  // namespace
