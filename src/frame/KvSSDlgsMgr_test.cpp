#include "frame/KvSSDlgsMgr.h"

#include "frame/FrameTestSupport.h"
#include "frame/KvSSPooledDlg.h"
#include "frame/StandardsLaunch.h"

namespace {

class StandardsPool : public frame_testing::FrameTest {
protected:
    void TearDown() override {
        KvSSDlgsMgr::setDialogFactory(nullptr);
        FrameTest::TearDown();
    }
};

TEST_F(StandardsPool, LendsADialogOnceAndReusesItWhenReturned) {
    void* first = gSSDlgsMgr.getDlg();
    void* second = gSSDlgsMgr.getDlg();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(gSSDlgsMgr.count(), 2);
    EXPECT_EQ(gSSDlgsMgr.releaseDlg(first), Acad::eOk);
    EXPECT_FALSE(gSSDlgsMgr.isLent(0));
    EXPECT_EQ(gSSDlgsMgr.getDlg(), first);
    EXPECT_EQ(gSSDlgsMgr.count(), 2) << "no new dialog while one is free";
    EXPECT_TRUE(gSSDlgsMgr.isLent(0));
}

TEST_F(StandardsPool, PooledDialogsAreHiddenWindowsOfTheStandardsTemplate) {
    auto* dialog = static_cast<KvSSPooledDlg*>(gSSDlgsMgr.getDlg());
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(IsWindow(dialog->GetSafeHwnd()));
    EXPECT_FALSE(IsWindowVisible(dialog->GetSafeHwnd()));
    EXPECT_NE(dialog->GetDlgItem(KvSSPooledDlg::kSheetPlaceholder), nullptr);
}

TEST_F(StandardsPool, ReleasingAForeignDialogChangesNothing) {
    void* lent = gSSDlgsMgr.getDlg();
    int other = 0;
    EXPECT_EQ(gSSDlgsMgr.releaseDlg(&other), Acad::eInvalidInput);
    EXPECT_EQ(gSSDlgsMgr.releaseDlg(nullptr), Acad::eInvalidInput);
    EXPECT_TRUE(gSSDlgsMgr.isLent(0));
    EXPECT_EQ(gSSDlgsMgr.releaseDlg(lent), Acad::eOk);
}

TEST_F(StandardsPool, DestroyAllDestroysTheWindows) {
    auto* dialog = static_cast<KvSSPooledDlg*>(gSSDlgsMgr.getDlg());
    HWND window = dialog->GetSafeHwnd();
    gSSDlgsMgr.destroyAll();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(gSSDlgsMgr.count(), 0);
    EXPECT_FALSE(gSSDlgsMgr.isLent(0));
}

TEST_F(StandardsPool, NoDialogWithoutItsTemplate) {
    KvTempResourceOverride::SaveDefaultResource(nullptr);
    win::resetResourceModules();
    EXPECT_EQ(gSSDlgsMgr.getDlg(), nullptr);
    EXPECT_EQ(gSSDlgsMgr.count(), 0);
}

// An evaluation that changes the record, to see what reaches the caller.
class MarkingDialog : public KvSSPooledDlg {
public:
    using KvSSPooledDlg::KvSSPooledDlg;
    static inline Acad::ErrorStatus answer = Acad::eOk;
    static inline HINSTANCE resourcesSeen = nullptr;
    Acad::ErrorStatus evaluate() override {
        resourcesSeen = AfxGetResourceHandle();
        record().fileName = "evaluated";
        return answer;
    }
};

std::unique_ptr<KvSSPooledDlg> makeMarking(CWnd* parent) {
    return std::make_unique<MarkingDialog>(parent);
}

TEST_F(StandardsPool, TheRecordComesBackOnlyFromASuccessfulEvaluation) {
    KvSSDlgsMgr::setDialogFactory(makeMarking);
    KvDlgStandardsData data;
    data.fileName = "request";
    MarkingDialog::answer = Acad::eInvalidInput;
    EXPECT_FALSE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.fileName.str(), "request");
    EXPECT_FALSE(gSSDlgsMgr.isLent(0)) << "returned to the pool after a failure too";
    MarkingDialog::answer = Acad::eOk;
    EXPECT_TRUE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.fileName.str(), "evaluated");
    EXPECT_EQ(gSSDlgsMgr.count(), 1);
}

TEST_F(StandardsPool, EvaluationRunsOnTheModuleResourcesAndRestoresTheCallers) {
    KvSSDlgsMgr::setDialogFactory(makeMarking);
    AfxSetResourceHandle(nullptr);
    MarkingDialog::answer = Acad::eInvalidInput;
    KvDlgStandardsData data;
    EXPECT_FALSE(StartDlgStandardsSS(data));
    EXPECT_EQ(MarkingDialog::resourcesSeen, module);
    EXPECT_EQ(AfxGetResourceHandle(), nullptr);
}

TEST_F(StandardsPool, WithoutTheStandardsEngineAnEvaluationFails) {
    KvDlgStandardsData data;
    data.fileName = "x.kvs";
    EXPECT_FALSE(StartDlgStandardsSS(data));
    EXPECT_EQ(data.fileName.str(), "x.kvs");
    EXPECT_FALSE(StartDlgStandardsSStest());
}

TEST_F(StandardsPool, TheSampleRequestNamesItsFileAndFourVariables) {
    const KvDlgStandardsData data = standardsSampleRequest();
    EXPECT_EQ(data.fileName.str(), "c:\\a\\a\\a\\test.kvs");
    EXPECT_EQ(data.mode, 1);
    ASSERT_EQ(data.varCells.length(), 4);
    EXPECT_EQ(data.varCells[0].name.str(), "Column");
    EXPECT_EQ(data.varCells[0].value.str(), "IPE-200");
    EXPECT_TRUE(data.varCells[1].isInput());
    EXPECT_EQ(data.varCells[2].name.str(), "Width");
    EXPECT_TRUE(data.varCells[2].isOutput());
    EXPECT_EQ(data.varCells[3].value.str(), "356");
}

}  // namespace
