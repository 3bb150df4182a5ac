#include <string>

#include "win/CEdit.h"
#include "win/WinTestSupport.h"

namespace {

int g_changes = 0;

LRESULT countChanges(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) ++g_changes;
    return DefWindowProc(hwnd, message, wParam, lParam);
}

class EditTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        g_changes = 0;
        WNDCLASS cls;
        cls.lpfnWndProc = countChanges;
        cls.lpszClassName = "Counter";
        RegisterClass(&cls);
        parent = CreateWindowEx(0, "Counter", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr,
                                nullptr, nullptr, nullptr);
    }
    CEdit* edit(DWORD style = 0) {
        HWND h =
            CreateWindowEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE | style, 0, 0, 80, 20, parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(5)), nullptr, nullptr);
        return static_cast<CEdit*>(CWnd::FromHandle(h));
    }
    static std::string text(CWnd* w) {
        std::string s;
        w->GetWindowText(s);
        return s;
    }
    HWND parent = nullptr;
};

TEST_F(EditTest, ReplacingTheSelectionMovesTheCaretAfterTheInsert) {
    CEdit* e = edit();
    e->SetWindowText("IPE 200");
    e->SetSel(4, 7);
    e->ReplaceSel("300");
    EXPECT_EQ(text(e), "IPE 300");
    int start = 0, end = 0;
    e->GetSel(start, end);
    EXPECT_EQ(start, 7);
    EXPECT_EQ(end, 7);
    e->SetSel(0, -1);
    e->GetSel(start, end);
    EXPECT_EQ(end, 7) << "-1 selects to the end";
    e->SetSel(5, 2);
    e->GetSel(start, end);
    EXPECT_EQ(start, 2) << "a reversed range is put in order";
}

TEST_F(EditTest, TypingObeysLimitNumberAndReadOnly) {
    CEdit* e = edit(ES_NUMBER);
    e->SetLimitText(3);
    g_changes = 0;
    for (char c : std::string("1a2345")) e->SendMessage(WM_CHAR, static_cast<WPARAM>(c));
    EXPECT_EQ(text(e), "123");
    EXPECT_EQ(g_changes, 3) << "refused characters change nothing";
    e->SendMessage(WM_CHAR, '\b');
    EXPECT_EQ(text(e), "12");
    e->SetReadOnly(TRUE);
    e->SendMessage(WM_CHAR, '9');
    EXPECT_EQ(text(e), "12");
    e->ReplaceSel("x");
    EXPECT_EQ(text(e), "12x") << "the program may still replace text";
}

TEST_F(EditTest, SettingTextResetsModificationAndNotifiesOnce) {
    CEdit* e = edit();
    g_changes = 0;
    e->SetWindowText("abc");
    EXPECT_EQ(g_changes, 1);
    EXPECT_FALSE(e->GetModify());
    e->SendMessage(WM_KEYDOWN, VK_HOME);
    e->SendMessage(WM_KEYDOWN, VK_DELETE);
    EXPECT_EQ(text(e), "bc");
    EXPECT_TRUE(e->GetModify());
}

}  // namespace
