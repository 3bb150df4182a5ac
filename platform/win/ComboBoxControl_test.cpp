#include <string>

#include "win/CComboBox.h"
#include "win/CListBox.h"
#include "win/CTabCtrl.h"
#include "win/WinTestSupport.h"

namespace {

class ListControlsTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        parent = CreateWindowEx(0, "#32770", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr,
                                nullptr, nullptr, nullptr);
    }
    template <class T>
    T* make(const char* cls, DWORD style) {
        HWND h = CreateWindowEx(0, cls, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 80, 100, parent,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(++nextId)), nullptr,
                                nullptr);
        return static_cast<T*>(CWnd::FromHandle(h));
    }
    HWND parent = nullptr;
    int nextId = 100;
};

TEST_F(ListControlsTest, SortedComboFindsIgnoringCaseAndKeepsItemData) {
    CComboBox* combo = make<CComboBox>("COMBOBOX", CBS_DROPDOWN | CBS_SORT);
    combo->AddString("plate");
    combo->AddString("Bolt");
    combo->AddString("angle");
    std::string first;
    combo->GetLBText(0, first);
    EXPECT_EQ(first, "angle");
    EXPECT_EQ(combo->FindStringExact(-1, "BOLT"), 1);
    EXPECT_EQ(combo->FindString(-1, "PL"), 2);
    EXPECT_EQ(combo->FindStringExact(-1, "Bol"), CB_ERR);
    combo->SetItemData(1, 77);
    EXPECT_EQ(combo->GetItemData(1), 77u);
    EXPECT_EQ(combo->SetCurSel(2), 2);
    std::string shown;
    combo->GetWindowText(shown);
    EXPECT_EQ(shown, "plate");
    EXPECT_EQ(combo->SetCurSel(9), CB_ERR);
    EXPECT_EQ(combo->GetCurSel(), -1);
}

TEST_F(ListControlsTest, DeletingItemsKeepsTheSelectionOnItsItem) {
    CComboBox* combo = make<CComboBox>("COMBOBOX", CBS_DROPDOWNLIST);
    for (const char* s : {"a", "b", "c", "d"}) combo->AddString(s);
    combo->SetCurSel(2);
    EXPECT_EQ(combo->DeleteString(0), 3);
    EXPECT_EQ(combo->GetCurSel(), 1);
    combo->DeleteString(1);
    EXPECT_EQ(combo->GetCurSel(), -1);
    std::string shown;
    combo->GetWindowText(shown);
    EXPECT_EQ(shown, "") << "a drop-down list shows its selection only";
    EXPECT_FALSE(SetWindowText(combo->m_hWnd, "zzz"));
    EXPECT_TRUE(SetWindowText(combo->m_hWnd, "D"));
    EXPECT_EQ(combo->GetCurSel(), 1);
}

TEST_F(ListControlsTest, TypingInADropDownFollowsTheMatchingItem) {
    CComboBox* combo = make<CComboBox>("COMBOBOX", CBS_DROPDOWN);
    combo->AddString("S235");
    combo->AddString("S355");
    combo->SetFocus();
    for (char c : std::string("s355")) combo->SendMessage(WM_CHAR, static_cast<WPARAM>(c));
    EXPECT_EQ(combo->GetCurSel(), 1);
    combo->SendMessage(WM_CHAR, '0');
    EXPECT_EQ(combo->GetCurSel(), -1);
}

TEST_F(ListControlsTest, MultipleSelectionListBox) {
    CListBox* list = make<CListBox>("LISTBOX", LBS_MULTIPLESEL);
    for (const char* s : {"a", "b", "c"}) list->AddString(s);
    list->SetSel(0);
    list->SetSel(2);
    EXPECT_EQ(list->GetSelCount(), 2);
    int items[3] = {-1, -1, -1};
    EXPECT_EQ(list->GetSelItems(3, items), 2);
    EXPECT_EQ(items[1], 2);
    EXPECT_EQ(list->SetCurSel(1), LB_ERR) << "single selection call on a multiple list";
    list->SetSel(-1, FALSE);
    EXPECT_EQ(list->GetSelCount(), 0);
}

TEST_F(ListControlsTest, TabItemsInsertedBeforeTheCurrentOneShiftIt) {
    CTabCtrl* tabs = make<CTabCtrl>("SysTabControl32", 0);
    EXPECT_EQ(tabs->GetCurSel(), -1);
    tabs->InsertItem(0, "Constraints");
    EXPECT_EQ(tabs->GetCurSel(), 0) << "the first item becomes current";
    tabs->InsertItem(1, "Objects");
    tabs->SetCurSel(1);
    tabs->InsertItem(0, "Tools");
    EXPECT_EQ(tabs->GetCurSel(), 2);
    EXPECT_EQ(tabs->GetItemText(2), "Objects");
    tabs->DeleteItem(2);
    EXPECT_EQ(tabs->GetCurSel(), -1);
    RECT r{0, 0, 200, 100};
    tabs->AdjustRect(FALSE, &r);
    tabs->AdjustRect(TRUE, &r);
    EXPECT_EQ(r.right, 200);
    EXPECT_EQ(r.top, 0) << "display area and window rectangle convert back and forth";
}

}  // namespace
