#include <string>
#include <vector>

#include "win/CButton.h"
#include "win/WinTestSupport.h"
#include "win/Window.h"

namespace {

std::vector<std::pair<int, int>>* g_commands = nullptr;

LRESULT recordCommands(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && g_commands)
        g_commands->push_back({LOWORD(wParam), HIWORD(wParam)});
    return DefWindowProc(hwnd, message, wParam, lParam);
}

class ButtonTest : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        g_commands = &commands;
        WNDCLASS cls;
        cls.lpfnWndProc = recordCommands;
        cls.lpszClassName = "Recorder";
        RegisterClass(&cls);
        parent = CreateWindowEx(0, "Recorder", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr,
                                nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        g_commands = nullptr;
        WindowSystemTest::TearDown();
    }
    HWND button(int id, DWORD type, DWORD extra = 0) {
        return CreateWindowEx(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE | type | extra, 0, 0, 50, 14,
                              parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr,
                              nullptr);
    }
    int state(int id) {
        return static_cast<int>(SendMessage(GetDlgItem(parent, id), BM_GETCHECK, 0, 0));
    }
    HWND parent = nullptr;
    std::vector<std::pair<int, int>> commands;
};

TEST_F(ButtonTest, AutomaticCheckBoxesCycleThroughTheirStates) {
    button(1, BS_AUTOCHECKBOX);
    button(2, BS_AUTO3STATE);
    std::vector<int> two, three;
    for (int i = 0; i < 3; ++i) {
        SendMessage(GetDlgItem(parent, 1), BM_CLICK, 0, 0);
        two.push_back(state(1));
        SendMessage(GetDlgItem(parent, 2), BM_CLICK, 0, 0);
        three.push_back(state(2));
    }
    EXPECT_EQ(two, (std::vector<int>{1, 0, 1}));
    EXPECT_EQ(three, (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(commands.size(), 6u);
    EXPECT_EQ(commands.front(), (std::pair<int, int>{1, BN_CLICKED}));
}

TEST_F(ButtonTest, ManualBoxesOnlyReportTheClickAndTwoStateBoxesRefuseTheThirdState) {
    button(1, BS_CHECKBOX);
    SendMessage(GetDlgItem(parent, 1), BM_CLICK, 0, 0);
    EXPECT_EQ(state(1), BST_UNCHECKED);
    EXPECT_EQ(commands.size(), 1u);
    SendMessage(GetDlgItem(parent, 1), BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(state(1), BST_CHECKED);
}

TEST_F(ButtonTest, RadioButtonsClearTheOthersOfTheirGroupOnly) {
    button(10, BS_AUTORADIOBUTTON, WS_GROUP);
    button(11, BS_AUTORADIOBUTTON);
    button(12, BS_AUTORADIOBUTTON);
    button(20, BS_AUTORADIOBUTTON, WS_GROUP);
    button(21, BS_AUTORADIOBUTTON);
    SendMessage(GetDlgItem(parent, 20), BM_CLICK, 0, 0);
    SendMessage(GetDlgItem(parent, 10), BM_CLICK, 0, 0);
    SendMessage(GetDlgItem(parent, 12), BM_CLICK, 0, 0);
    EXPECT_EQ(state(10), 0);
    EXPECT_EQ(state(12), 1);
    EXPECT_EQ(state(20), 1) << "another group";
    CheckRadioButton(parent, 10, 12, 11);
    EXPECT_EQ(state(11), 1);
    EXPECT_EQ(state(12), 0);
}

TEST_F(ButtonTest, DisabledButtonIgnoresClicksAndImagesAreKept) {
    HWND b = button(1, BS_PUSHBUTTON | BS_BITMAP);
    EnableWindow(b, FALSE);
    SendMessage(b, BM_CLICK, 0, 0);
    EXPECT_TRUE(commands.empty());
    CButton* wrapper = static_cast<CButton*>(CWnd::FromHandle(b));
    HBITMAP image = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(0x1234));
    EXPECT_EQ(wrapper->SetBitmap(image), nullptr);
    EXPECT_EQ(wrapper->GetBitmap(), image);
}

}  // namespace
