// A designed page at run time: keyboard order, Tab, values and flex buttons.
#include "designer/DesignerTestSupport.h"
#include "core/Texts.h"
#include "win/CButton.h"
#include "win/CComboBox.h"
#include "win/ScriptedUser.h"

namespace {

using designer_testing::DesignerTest;

class RunMode : public DesignerTest {
protected:
    void SetUp() override {
        DesignerTest::SetUp();
        initialize(data, false);
    }
    int buttonState(int id) const {
        return static_cast<CButton*>(host->GetDlgItem(id))->GetCheck();
    }
    DWORD buttonKind(int id) const { return host->GetDlgItem(id)->GetStyle() & BS_TYPEMASK; }
    Mdx_DlgDesignerData data;
};

TEST_F(RunMode, KeyboardOrderRunsByRowsThenLeftToRight) {
    data.append(control(ctVarEdit, 0.5, 0.10, 0.6, 0.15, "first"));
    data.append(control(ctVarEdit, 0.1, 0.12, 0.2, 0.14, "second"));
    data.append(control(ctVarEdit, 0.2, 0.30, 0.3, 0.35, "third"));
    data.append(control(ctStaticText, 0.0, 0.0, 0.1, 0.1, "label"));
    data.append(control(ctGroupBox, 0.0, 0.0, 0.9, 0.9, "frame"));
    Mdx_DesignerControl readOnly = control(ctVarEdit, 0.0, 0.05, 0.1, 0.08, "fixed");
    readOnly.readOnly = true;
    data.append(readOnly);
    data.redrawAllControls();
    EXPECT_EQ(data.getControl(0)->tabOrder, 2);
    EXPECT_EQ(data.getControl(1)->tabOrder, 1);
    EXPECT_EQ(data.getControl(2)->tabOrder, 3);
    for (int i = 3; i < 6; ++i) EXPECT_EQ(data.getControl(i)->tabOrder, 0) << i;

    Mdx_TabMsgHandle result = tabHandled;
    EXPECT_FALSE(data.handleTabKey(VK_RETURN, result));
    EXPECT_EQ(result, tabNotHandled);
    ASSERT_TRUE(data.setFocusToCtrl(true));
    int focused = 0;
    ASSERT_TRUE(data.getFocusedDynControl(focused));
    EXPECT_EQ(focused, 33001);
    ASSERT_TRUE(data.handleTabKey(VK_TAB, result));
    EXPECT_EQ(result, tabHandled);
    data.getFocusedDynControl(focused);
    EXPECT_EQ(focused, 33000);
    data.setFocusToCtrl(false);
    data.getFocusedDynControl(focused);
    EXPECT_EQ(focused, 33002);
    EXPECT_TRUE(data.handleTabKey(VK_TAB, result));
    EXPECT_EQ(result, tabPastLast);
}

// A page that hands Tab to its design, as the macro dialog does.
class TabPage : public CDialog {
public:
    Mdx_DlgDesignerData* data = nullptr;
    Mdx_TabMsgHandle last = tabNotHandled;
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN && data && data->handleTabKey(static_cast<UINT>(msg->wParam), last))
            return last == tabHandled;
        return CDialog::PreTranslateMessage(msg);
    }
};

TEST_F(RunMode, ShiftTabWalksBackAndStopsBeforeTheFirst) {
    KvTempResourceOverride resources;
    TabPage page;
    ASSERT_TRUE(page.Create(IDD_DLGDESIGNER));
    Mdx_DlgDesignerData design;
    ASSERT_TRUE(design.initialize(&page, 33000, 33099, 0, 0, 0, 0, 0, false));
    page.data = &design;
    design.append(control(ctVarEdit, 0.1, 0.1, 0.2, 0.2, "one"));
    design.append(control(ctVarEdit, 0.3, 0.1, 0.4, 0.2, "two"));
    design.redrawAllControls();
    ASSERT_TRUE(design.setFocusToCtrl(false));
    win::act::pressKey(page.m_hWnd, VK_TAB, win::KeyModifiers{true, false});
    EXPECT_EQ(page.last, tabHandled);
    int focused = 0;
    design.getFocusedDynControl(focused);
    EXPECT_EQ(focused, 33000);
    win::act::pressKey(page.m_hWnd, VK_TAB, win::KeyModifiers{true, false});
    EXPECT_EQ(page.last, tabBeforeFirst);
    page.data = nullptr;
}

TEST_F(RunMode, TheMixedWordMakesACheckBoxThreeStateUntilAValueComes) {
    Mdx_DesignerControl check = control(ctVarCheck, 0.1, 0.1, 0.3, 0.2, "Stiffener");
    check.comboList = "1";
    data.append(check);
    data.redrawAllControls();
    EXPECT_EQ(buttonState(33000), BST_CHECKED);
    const Mdx_String mixed = dialString(695);
    ASSERT_TRUE(data.setCtrlValue(33000, mixed));
    EXPECT_EQ(buttonKind(33000), static_cast<DWORD>(BS_AUTO3STATE));
    EXPECT_EQ(buttonState(33000), BST_INDETERMINATE);
    Mdx_String value;
    ASSERT_TRUE(data.getCtrlValue(33000, value));
    EXPECT_EQ(value, mixed);
    ASSERT_TRUE(data.setCtrlValue(33000, "1"));
    EXPECT_EQ(buttonKind(33000), static_cast<DWORD>(BS_AUTOCHECKBOX));
    EXPECT_EQ(buttonState(33000), BST_CHECKED);
    for (const char* off : {"0", "", "-1", "yes"}) {
        data.setCtrlValue(33000, off);
        data.getCtrlValue(33000, value);
        EXPECT_EQ(value.str(), "0") << off;
    }
    EXPECT_FALSE(data.getCtrlValue(33999, value));
}

TEST_F(RunMode, FlexButtonsFormGroupsByTheirFirstString) {
    auto flex = [](const char* group, const char* name, const char* value) {
        Mdx_DesignerControl c = control(ctFlexButton, 0.1, 0.1, 0.2, 0.2, name);
        c.flexGroup = group;
        c.flexValue = value;
        return c;
    };
    data.append(flex("Ends", "L1", ""));
    data.append(control(ctVarEdit, 0.1, 0.3, 0.2, 0.4, "L1"));
    data.append(flex("Gaps", "Gap", "5"));
    data.append(flex("ends", "L2", "x"));
    data.redrawAllControls();
    Mdx_StringArray groups;
    data.getFlexBtnsGroups(groups);
    EXPECT_EQ(groups, (Mdx_StringArray{"Ends", "Gaps"}));
    AcArray<int> all, withValue;
    all.append(99);
    ASSERT_TRUE(data.getFlexBtnsInGroup("ENDS", all, withValue));
    ASSERT_EQ(all.length(), 2);
    EXPECT_EQ(all[0], 0);
    EXPECT_EQ(all[1], 3);
    ASSERT_EQ(withValue.length(), 1);
    EXPECT_EQ(withValue[0], 3);
    EXPECT_TRUE(data.getFlexBtnsInGroup("", all, withValue));
    EXPECT_EQ(all.length(), 0);
    Mdx_StringArray vars;
    data.getAllFlexVarsOfGroup("Ends", vars);
    EXPECT_EQ(vars, (Mdx_StringArray{"L1", "L2"}));
    EXPECT_NE(static_cast<CButton*>(host->GetDlgItem(33000))->GetIcon(), nullptr)
        << "flex buttons show the module's flex icon";
    EXPECT_TRUE(data.setBtnIcon(33003));

    ASSERT_TRUE(data.setFlexBtnStatus("Ends", "l2", BST_CHECKED));
    EXPECT_EQ(buttonState(33003), BST_CHECKED);
    ASSERT_TRUE(data.setFlexBtnStatus("Ends", "L2", 2));
    EXPECT_EQ(buttonState(33003), BST_UNCHECKED) << "2 is no state of a flex button";
    EXPECT_FALSE(data.setFlexBtnStatus("Gaps", "L2", 1));
    int status = -1;
    EXPECT_FALSE(data.getFlexBtnStatus(1, status)) << "not a flex button";
    Mdx_String group, name;
    ASSERT_TRUE(data.getFlexBtnGroupName(33002, group, name));
    EXPECT_EQ(group, Mdx_String("Gaps"));
    EXPECT_EQ(name, Mdx_String("Gap"));
    data.hideAllFlexBtns("Ends");
    EXPECT_FALSE(host->GetDlgItem(33000)->GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(host->GetDlgItem(33002)->GetStyle() & WS_VISIBLE);
}

TEST_F(RunMode, ReadOnlyStateIsForVariableFieldsOnly) {
    data.append(control(ctVarEdit, 0.1, 0.1, 0.2, 0.2, "L1"));
    data.append(control(ctPatternEdit, 0.1, 0.3, 0.2, 0.4, "P"));
    data.redrawAllControls();
    ASSERT_TRUE(data.setCtrlReadOnly(33000, true));
    EXPECT_FALSE(host->GetDlgItem(33000)->IsWindowEnabled());
    EXPECT_FALSE(data.getControl(0)->readOnly) << "the field is the caller's";
    ASSERT_TRUE(data.setCtrlReadOnly(33000, false));
    EXPECT_TRUE(host->GetDlgItem(33000)->IsWindowEnabled());
    EXPECT_FALSE(data.setCtrlReadOnly(33001, true));
    EXPECT_TRUE(data.isTypeBoltCount(33001));
}

}  // namespace
