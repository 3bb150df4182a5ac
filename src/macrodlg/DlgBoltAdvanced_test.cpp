// The bolt settings applied live through a page: every change is checked, applied to the
// drawing and shown as the update left it; mixed options open indeterminate; invalid
// slotted holes stop OK and every apply with the message.
#include "macrodlg/DlgBoltAdvanced.h"

#include "core/macro/BoltCatalogue.h"
#include "core/macro/Mdx_BoltModule.h"
#include "macrodlg/BoltSettingsTarget.h"
#include "macrodlg/MacroDialogTestSupport.h"
#include "macrodlg/MacroPage.h"
#include "host/MainWindow.h"
#include "win/CComboBox.h"
#include "win/ScriptedUser.h"
#include "win/WinMessages.h"

namespace {

class BoltSettings : public macrodlg_testing::MacroDialogTest {
protected:
    static DlgBoltAdvanced* open() {
        return static_cast<DlgBoltAdvanced*>(
            CWnd::FromHandlePermanent(win::findDialog(DlgBoltAdvanced::kTemplateId)));
    }
    // Runs the dialog on a page of the bolts tab with the queued steps.
    void run(MacroPage& page) {
        Mdx_StringArray diameters;
        GetMergedDiameters(data, diameters);
        DlgBoltAdvanced dialog(*page.tab()->getBoltData(), diameters, &page);
        KvTempResourceOverride resources;
        dialog.DoModal();
    }
    const Mdx_BoltSettings& drawingBolts() {
        AcTransaction transaction(db);
        Mdx_DbMacro* macro = nullptr;
        transaction.getObject(macro, drawing.macro);
        stored = static_cast<Mdx_BoltModule*>(macro->macro()->findModuleWrite("Bolts"))->settings();
        return stored;
    }
    Mdx_BoltSettings stored;
};

TEST_F(BoltSettings, EachChangeIsAppliedLiveAndShownAsTheUpdateLeftIt) {
    MacroPage page(data, tabIndex(data, "Bolts"), nullptr);
    ASSERT_TRUE(page.createPage(CWnd::FromHandle(adsw_acadMainWnd())));
    win::user::selectText(1092, "24");
    win::user::act([this] {
        EXPECT_EQ(drawingBolts().diameter, Mdx_String("24")) << "applied before OK";
    });
    win::user::click(1115);  // countersunk: was on, now off
    win::user::act([this] {
        EXPECT_EQ(drawingBolts().options[Mdx_BoltSettings::kCountersunk], 0);
    });
    win::user::click(8711);  // washer 2 does not apply: its box is disabled
    win::user::click(IDOK);
    run(page);
    EXPECT_FALSE(win::user::failures().empty()) << "a disabled box cannot be clicked";
    EXPECT_EQ(drawingBolts().parts[Mdx_BoltSettings::kWasher2], Mdx_BoltSettings::kNotApplicable)
        << "a washer that does not apply is written back as -1";
    EXPECT_EQ(page.tab()->getBoltData()->diameter, Mdx_String("24"));
}

TEST_F(BoltSettings, AnActiveHoleWithoutRadiusBlocksOkAndEveryApply) {
    MacroPage page(data, tabIndex(data, "Bolts"), nullptr);
    ASSERT_TRUE(page.createPage(CWnd::FromHandle(adsw_acadMainWnd())));
    win::user::typeText(1119, "0");
    win::user::click(IDOK);
    win::user::act([] { ASSERT_NE(open(), nullptr) << "still open after the refused OK"; });
    win::user::click(IDCANCEL);
    run(page);
    ASSERT_FALSE(win::user::messageBoxes().empty());
    const win::MessageBoxRecord& box = win::user::messageBoxes().front();
    EXPECT_EQ(box.caption, "Ongeldige waarde");
    EXPECT_NE(box.text.find("Hole 0 has an invalid length or angle"), std::string::npos) << box.text;
    EXPECT_EQ(drawingBolts().slottedHoles[0].texts[0], Mdx_String("11")) << "nothing applied";
}

TEST_F(BoltSettings, MixedOptionsOpenIndeterminateAndTheLastHoleTypeKeepsEachOwn) {
    MacroBoltData bolts = *data.getTab(tabIndex(data, "Bolts"))->getBoltData();
    bolts.options[Mdx_BoltSettings::kTapped] = Mdx_BoltSettings::kMixedOption;
    bolts.slottedHoles[1].typeIndex = -1;
    bolts.slottedHoles[1].texts = {"9", "20", "0", "0"};
    struct Recorder : BoltSettingsTarget {
        bool applyBoltData(MacroBoltData& applied) override {
            last = applied;
            ++count;
            return true;
        }
        MacroBoltData last;
        int count = 0;
    } target;
    win::user::act([] {
        EXPECT_EQ(open()->IsDlgButtonChecked(1110), static_cast<UINT>(BST_INDETERMINATE));
    });
    win::user::select(1108, 1);  // shows hole 2 and ticks its box: it becomes active
    win::user::act([] {
        EXPECT_EQ(open()->IsDlgButtonChecked(1120), static_cast<UINT>(BST_CHECKED));
        EXPECT_TRUE(open()->boltData().slottedHoles[1].active);
        auto* types = static_cast<CComboBox*>(open()->GetDlgItem(1324));
        EXPECT_EQ(types->GetCurSel(), 2) << "a hole with type -1 shows the last item";
    });
    win::user::click(1110);  // now two-state, and applied
    win::user::click(IDOK);
    DlgBoltAdvanced dialog(bolts, Mdx_StringArray{"20", "24"}, &target);
    KvTempResourceOverride resources;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(win::user::failures().empty()) << win::user::failures().front();
    EXPECT_EQ(target.count, 3) << "the tick, the click on 1110 and OK";
    EXPECT_TRUE(target.last.slottedHoles[1].active);
    EXPECT_NE(target.last.options[Mdx_BoltSettings::kTapped], Mdx_BoltSettings::kMixedOption);
    EXPECT_EQ(target.last.slottedHoles[1].typeIndex, -1) << "the last item stores -1";
}

}  // namespace
