// The marking points: their store in the profile folder (what it refuses and never
// overwrites) and the dialog driven as a person drives it, with its picture.
#include "otherdlg/KvDstvPointsDlg.h"

#include <cstdlib>
#include <filesystem>

#include "MdxBuildPaths.h"
#include "frame/FrameTestSupport.h"
#include "grid/GridUserSteps.h"
#include "otherdlg/OtherDialogLaunch.h"
#include "win/FilePaths.h"
#include "win/ScriptedUser.h"
#include "win/WindowPainter.h"

namespace {

const win::DialogRef kPoints{IDD_DSTV_POINTS, ""};

class DstvPoints : public frame_testing::FrameTest {
protected:
    std::string stored() const {
        std::string bytes;
        win::readWholeFile(DstvPointStore::current().file(), bytes);
        return bytes;
    }
    std::vector<DstvPoint> load() {
        std::vector<DstvPoint> points;
        DstvPointStore store = DstvPointStore::current();
        EXPECT_TRUE(store.load(points)) << store.error().str();
        return points;
    }
    const std::vector<DstvPoint> twoPoints{{"M1", 'v', "100", "50"}, {"M2", 'o', "2500.5", "-20"}};
};

// Stored points read back equal; points that break a rule are not written and the file
// keeps what it held; damaged, foreign and newer files are refused whole.
TEST_F(DstvPoints, TheStoreKeepsSoundPointsAndRefusesTheRest) {
    DstvPointStore store = DstvPointStore::current();
    ASSERT_TRUE(store.save(twoPoints)) << store.error().str();
    EXPECT_EQ(load(), twoPoints);
    const std::string before = stored();
    const std::vector<std::vector<DstvPoint>> bad = {
        {{"M1", 'v', "1", "1"}, {"m1", 'v', "2", "2"}},  // one name twice
        {{"", 'v', "1", "1"}},                             // no name
        {{"M1", 'x', "1", "1"}},                           // no face
        {{"M1", 'v', "-1", "1"}},                          // before the profile's start
        {{"M1", 'v', "1", "100001"}},                      // beyond any profile
        {{"M1", 'v', "1e400", "1"}},                       // not a usable number
        {{"M\t1", 'v', "1", "1"}},                         // would break the line
        std::vector<DstvPoint>(DstvPointStore::kMaxPoints + 1, DstvPoint{"P", 'v', "1", "1"}),
    };
    for (const auto& points : bad) EXPECT_FALSE(store.save(points)) << points.front().name.str();
    EXPECT_EQ(stored(), before);

    for (const char* text : {"MDX-DSTV-POINTS 2\r\nM1\tv\t1\t1\r\n",
                             "MDX-DSTV-POINTS 1\r\nM1\tv\t1\r\n",
                             "MDX-DSTV-POINTS 1\r\nM1\tvo\t1\t1\r\n",
                             "MDX-DSTV-POINTS 1\r\nM1\tv\tten\t1\r\n", "M1\tv\t1\t1\r\n"}) {
        writeFile("dstv-points.txt", text);
        std::vector<DstvPoint> points{{"left", 'v', "1", "1"}};
        EXPECT_FALSE(store.load(points)) << text;
        EXPECT_TRUE(points.empty());
        EXPECT_FALSE(store.save(twoPoints)) << "a file it cannot read is never replaced";
        EXPECT_EQ(stored(), text);
    }
}

// A store the dialog cannot read is reported and left alone: no dialog opens over it.
TEST_F(DstvPoints, AnUnreadableStoreIsReportedAndNotOpened) {
    const std::string text = "MDX-DSTV-POINTS 1\r\nM1\tq\t1\t1\r\n";
    writeFile("dstv-points.txt", text);
    win::user::answerMessageBox(IDOK);
    StartDSTVPointsDlg();
    ASSERT_EQ(win::user::messageBoxes().size(), 1u);
    EXPECT_EQ(win::user::messageBoxes()[0].text.rfind(dialString(9203).str(), 0), 0u);
    EXPECT_EQ(stored(), text);
}

// A point typed into an inserted row is stored on OK; a row without a face, an X before the
// profile's start and a name used twice are each refused while the dialog stays open and
// the store keeps what it held; Cancel stores nothing.
TEST_F(DstvPoints, TypedPointsAreStoredOnlyWhenSoundAndOnlyOnOK) {
    ASSERT_TRUE(DstvPointStore::current().save(twoPoints));
    const std::string before = stored();
    grid::user::clickCell(IDC_DSTV_GRID, 1, 2, kPoints);
    win::user::click(IDC_DSTV_INSERT, kPoints);
    grid::user::typeInCell(IDC_DSTV_GRID, 1, 3, "M3", kPoints);
    grid::user::typeInCell(IDC_DSTV_GRID, 3, 3, "40", kPoints);
    grid::user::typeInCell(IDC_DSTV_GRID, 4, 3, "25", kPoints);
    win::user::click(IDOK, kPoints);  // no face chosen
    win::user::answerMessageBox(IDOK);
    grid::user::typeInCell(IDC_DSTV_GRID, 2, 3, "Bottom flange (u)", kPoints);
    grid::user::typeInCell(IDC_DSTV_GRID, 3, 3, "-5", kPoints);
    win::user::click(IDOK, kPoints);
    win::user::answerMessageBox(IDOK);
    grid::user::typeInCell(IDC_DSTV_GRID, 3, 3, "40", kPoints);
    grid::user::typeInCell(IDC_DSTV_GRID, 1, 3, "m1", kPoints);
    win::user::click(IDOK, kPoints);
    win::user::answerMessageBox(IDOK);
    win::user::act([&] { EXPECT_EQ(stored(), before) << "nothing stored while refused"; });
    grid::user::typeInCell(IDC_DSTV_GRID, 1, 3, "M3", kPoints);
    win::user::click(IDOK, kPoints);
    StartDSTVPointsDlg();
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    ASSERT_EQ(win::user::messageBoxes().size(), 3u);
    for (const auto& box : win::user::messageBoxes())
        EXPECT_EQ(box.text.rfind(dialString(9200).str(), 0), 0u) << box.text;
    const std::vector<DstvPoint> expected{twoPoints[0], twoPoints[1], {"M3", 'u', "40", "25"}};
    EXPECT_EQ(load(), expected);

    grid::user::clickCell(IDC_DSTV_GRID, 1, 1, kPoints);
    win::user::click(IDC_DSTV_DELETE, kPoints);
    win::user::click(IDCANCEL, kPoints);
    StartDSTVPointsDlg();
    EXPECT_EQ(load(), expected) << "Cancel stores nothing";
}

TEST_F(DstvPoints, PictureOfTheMarkingPoints) {
    ASSERT_TRUE(DstvPointStore::current().save(twoPoints));
    const std::filesystem::path out = std::filesystem::path(MDX_BINARY_DIR) / "dialog-dstv-points.png";
    bool painted = false;
    win::user::act([&] { painted = win::paintWindowToPng(win::activeDialog(), out); });
    win::user::click(IDCANCEL, kPoints);
    StartDSTVPointsDlg();
    ASSERT_TRUE(painted);
    std::string bytes;
    if (std::getenv("MDX_UPDATE_DOCS") && win::readWholeFile(out, bytes))
        win::writeWholeFileAtomic(
            std::filesystem::path(MDX_SOURCE_DIR) / "docs" / "dialog-dstv-points.png", bytes);
}

}  // namespace
