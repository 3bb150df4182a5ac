#include "designer/DesignerLaunch.h"

#include "core/Mdx_PropertiesList.h"
#include "frame/FrameTestSupport.h"
#include "resources/designer_ids.h"
#include "win/ScriptedUser.h"
#include "win/WinMessages.h"

namespace {

class DesignedDialogFile : public frame_testing::FrameTest {
protected:
    // A control list as the designer writes it: count, then the keys of each control.
    Mdx_String writeDesign(const std::vector<std::pair<int, const char*>>& controls) const {
        Mdx_PropertiesList list;
        list.setInt("nrOfControls", static_cast<int>(controls.size()));
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const Mdx_String n = Mdx_String::fromInt(static_cast<long long>(i));
            list.setInt(Mdx_String("type") + n, controls[i].first);
            for (const char* key : {"topLeftX", "topLeftY", "bottomRightX", "bottomRightY"})
                list.setDouble(Mdx_String(key) + n, 0.25);
            list.setString(Mdx_String("contents") + n, controls[i].second);
            list.setString(Mdx_String("comboList") + n, "");
        }
        const std::string path = (folder / "Page.txt").string();
        EXPECT_TRUE(list.writeToFile(path.c_str()));
        return path.c_str();
    }
    static Mdx_StringArray namesIn(const Mdx_String& path) {
        Mdx_StringArray names{"left over"};
        GetImageDlgCtrlNames(path, names);
        return names;
    }
};

TEST_F(DesignedDialogFile, ListsTheEditFieldsInListOrder) {
    const Mdx_String path =
        writeDesign({{0, "Thickness"}, {2, "T"}, {3, "Grade"}, {2, "Width"}, {29, "Stiffen"}});
    EXPECT_EQ(namesIn(path), (Mdx_StringArray{"T", "Width"}));
}

TEST_F(DesignedDialogFile, AnEmptyDesignHasNoNames) {
    EXPECT_TRUE(namesIn(writeDesign({})).isEmpty());
    EXPECT_TRUE(
        namesIn(writeFile("NoCount.txt", "MDX-PROPERTIES 1\r\ntype0\ti\t2\r\n").c_str()).isEmpty());
}

TEST_F(DesignedDialogFile, AMalformedOrMissingFileGivesNoNames) {
    EXPECT_TRUE(namesIn(writeFile("Bitmap.txt", std::string("BM\0\x01\xff", 5)).c_str()).isEmpty());
    EXPECT_TRUE(namesIn((folder / "missing.txt").string().c_str()).isEmpty());
    EXPECT_TRUE(
        namesIn(writeFile("Text.txt", "MDX-PROPERTIES 1\r\nnrOfControls\ts\tmany\r\n").c_str())
            .isEmpty());
    EXPECT_TRUE(
        namesIn(writeFile("Negative.txt", "MDX-PROPERTIES 1\r\nnrOfControls\ti\t-3\r\n").c_str())
            .isEmpty());
}

// Hand-written lists leave keys out; the count bounds the controls, the keys say what they are.
TEST_F(DesignedDialogFile, TheCountBoundsTheControlsAndMissingKeysAreDefaults) {
    const std::string text =
        "MDX-PROPERTIES 1\r\nnrOfControls\ti\t2000000000\r\ntype7\ti\t2\r\ncontents7\ts\tL\r\n"
        "Type1\ti\t2\r\ntype01\ti\t2\r\ntype1999999999\ti\t2\r\n";
    EXPECT_EQ(namesIn(writeFile("Sparse.txt", text).c_str()), (Mdx_StringArray{"", "L"}))
        << "type1 without contents names an empty field; type01 is no key of the list";
    EXPECT_EQ(namesIn(writeFile("Short.txt",
                                "MDX-PROPERTIES 1\r\nnrOfControls\ti\t1\r\n"
                                "type0\ti\t2\r\ncontents0\ts\tA\r\n"
                                "type1\ti\t2\r\ncontents1\ts\tB\r\n")
                          .c_str()),
              (Mdx_StringArray{"A"}));
}

TEST_F(DesignedDialogFile, TheDesignerReportsOkOnly) {
    win::user::click(IDOK);
    EXPECT_TRUE(StartDlgDesigner(""));
    EXPECT_FALSE(StartDlgDesigner("")) << "no user";
    EXPECT_EQ(win::findDialog(IDD_DLGDESIGNER), nullptr);
}

}  // namespace
