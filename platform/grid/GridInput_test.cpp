// The grid as its user meets it: real mouse and key messages, hit-tested by the control,
// and the notifications its parent receives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/GridNotifications.h"
#include "grid/SpreadApi.h"
#include "grid/SpreadModel.h"
#include "win/ScriptedUser.h"
#include "win/Window.h"

namespace {

struct Heard {
    UINT message = 0;
    WPARAM wParam = 0;
    grid::GridNotice notice;
    WORD commandCode = 0;
};

std::vector<Heard>& heard() {
    static std::vector<Heard> list;
    return list;
}

LRESULT parentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= 0x500 && message <= 0x530) {
        heard().push_back({message, wParam, grid::gridNotice(lParam), 0});
        return 0;
    }
    if (message == WM_COMMAND) {
        Heard h{message, wParam, {}, HIWORD(wParam)};
        h.notice.grid = reinterpret_cast<HWND>(lParam);
        heard().push_back(h);
        return 0;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

constexpr int kGridId = 1196;

class GridInput : public ::testing::Test {
protected:
    void SetUp() override {
        heard().clear();
        WNDCLASS wc;
        wc.lpfnWndProc = parentProc;
        wc.lpszClassName = "GridInputParent";
        RegisterClass(&wc);
        parent = CreateWindowEx(0, "GridInputParent", "", WS_VISIBLE, 0, 0, 400, 300, nullptr,
                                nullptr, nullptr, nullptr);
        grid = CreateWindowEx(0, "fpSpread70", nullptr, WS_VISIBLE | WS_CHILD, 0, 0, 300, 200,
                              parent, reinterpret_cast<HMENU>(kGridId), nullptr, nullptr);
        ASSERT_NE(grid, nullptr);
        SSSetMaxCols(grid, 5);
        SSSetMaxRows(grid, 20);
        heard().clear();
    }
    void TearDown() override {
        DestroyWindow(parent);
        heard().clear();
    }
    // The centre of a cell as the layout places it; the default sizes make the row
    // headers 40 pixels wide, the header row and every row 20 high, columns 64 wide.
    POINT centre(int col, int row) {
        RECT r;
        EXPECT_TRUE(SSGetCellRect(grid, col, row, &r)) << col << "," << row;
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void mouse(UINT message, POINT p, WPARAM flags = 0) {
        SendMessage(grid, message, flags, MAKELPARAM(p.x, p.y));
    }
    void click(int col, int row) {
        mouse(WM_LBUTTONDOWN, centre(col, row), MK_LBUTTON);
        mouse(WM_LBUTTONUP, centre(col, row));
    }
    void key(int vk) { SendMessage(grid, WM_KEYDOWN, static_cast<WPARAM>(vk), 1); }
    void type(const std::string& text) {
        for (char c : text)
            SendMessage(grid, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
    }
    std::pair<int, int> active() {
        int c = 0, r = 0;
        EXPECT_TRUE(SSGetActiveCell(grid, &c, &r));
        return {c, r};
    }
    std::string data(int c, int r) {
        char buf[256];
        SSGetData(grid, c, r, buf, sizeof buf);
        return buf;
    }
    std::vector<UINT> messages() {
        std::vector<UINT> out;
        for (const Heard& h : heard()) out.push_back(h.message);
        return out;
    }
    const Heard* find(UINT message) {
        for (const Heard& h : heard())
            if (h.message == message) return &h;
        return nullptr;
    }
    HWND parent = nullptr, grid = nullptr;
};

TEST_F(GridInput, HitTestFollowsSizesHeadersSpansAndScrolling) {
    int c = -1, r = -1;
    ASSERT_TRUE(SSGetCellFromPixel(grid, &c, &r, 41, 21));
    EXPECT_EQ(std::make_pair(c, r), std::make_pair(1, 1));
    ASSERT_TRUE(SSGetCellFromPixel(grid, &c, &r, 10, 45));  // row header of row 2
    EXPECT_EQ(std::make_pair(c, r), std::make_pair(0, 2));
    ASSERT_TRUE(SSGetCellFromPixel(grid, &c, &r, 110, 5));  // column header of column 2
    EXPECT_EQ(std::make_pair(c, r), std::make_pair(2, 0));

    SSSetColWidthInPixels(grid, 1, 100);
    SSSetRowHeightInPixels(grid, 2, 0);  // hidden row
    ASSERT_TRUE(SSGetCellFromPixel(grid, &c, &r, 139, 45));
    EXPECT_EQ(std::make_pair(c, r), std::make_pair(1, 3));
    ASSERT_TRUE(SSGetCellFromPixel(grid, &c, &r, 141, 45));
    EXPECT_EQ(std::make_pair(c, r), std::make_pair(2, 3));

    // A covered cell answers with its anchor; the span's rectangle is the whole span.
    ASSERT_TRUE(SSAddCellSpan(grid, 2, 3, 2, 2));
    ASSERT_TRUE(SSGetCellFromPixel(grid, &c, &r, 220, 70));  // column 3, row 4
    EXPECT_EQ(std::make_pair(c, r), std::make_pair(2, 3));
    RECT span;
    ASSERT_TRUE(SSGetCellRect(grid, 3, 4, &span));
    EXPECT_EQ(span.left, 140);
    EXPECT_EQ(span.right, 140 + 128);
    EXPECT_EQ(span.top, 40);
    EXPECT_EQ(span.bottom, 80);

    // Without row headers the first column starts at the left edge; a header row of
    // height 0 hides the column headers.
    SSSetBool(grid, grid::kOptionRowHeaders, FALSE);
    SSSetRowHeightInPixels(grid, SS_HEADER, 0);
    ASSERT_TRUE(SSGetCellFromPixel(grid, &c, &r, 5, 5));
    EXPECT_EQ(std::make_pair(c, r), std::make_pair(1, 1));

    // Scrolled: the first shown row and column sit right below and beside the headers.
    SSSetBool(grid, grid::kOptionRowHeaders, TRUE);
    SSSetRowHeightInPixels(grid, SS_HEADER, 20);
    ASSERT_TRUE(SSSetTopLeftCell(grid, 2, 10));
    ASSERT_TRUE(SSGetCellFromPixel(grid, &c, &r, 41, 21));
    EXPECT_EQ(std::make_pair(c, r), std::make_pair(2, 10));
    EXPECT_FALSE(SSGetCellRect(grid, 1, 1, &span)) << "scrolled away";
    // Past the last column or row there is no cell.
    SSSetMaxRows(grid, 10);
    EXPECT_FALSE(SSGetCellFromPixel(grid, &c, &r, 50, 60));
    EXPECT_FALSE(SSGetCellFromPixel(grid, &c, &r, -1, 30));
}

TEST_F(GridInput, AClickLeavesTheOldCellThenReportsTheNewOne) {
    click(3, 4);
    EXPECT_EQ(active(), std::make_pair(3, 4));
    ASSERT_EQ(messages(), (std::vector<UINT>{grid::kGridLeaveCell, grid::kGridClick}));
    const Heard& leave = heard()[0];
    EXPECT_EQ(leave.wParam, static_cast<WPARAM>(kGridId));
    EXPECT_EQ(leave.notice.grid, grid);
    EXPECT_EQ(leave.notice.column, 1);
    EXPECT_EQ(leave.notice.row, 1);
    EXPECT_EQ(leave.notice.newColumn, 3);
    EXPECT_EQ(leave.notice.newRow, 4);
    const Heard& clickHeard = heard()[1];
    EXPECT_EQ(clickHeard.notice.column, 3);
    EXPECT_EQ(clickHeard.notice.row, 4);
    EXPECT_EQ(clickHeard.notice.point.x, centre(3, 4).x);

    // A header click reports row 0 (or column 0) and leaves the active cell alone.
    heard().clear();
    mouse(WM_LBUTTONDOWN, POINT{110, 5}, MK_LBUTTON);
    ASSERT_EQ(messages(), std::vector<UINT>{grid::kGridClick});
    EXPECT_EQ(heard()[0].notice.column, 2);
    EXPECT_EQ(heard()[0].notice.row, 0);
    EXPECT_EQ(active(), std::make_pair(3, 4));

    heard().clear();
    mouse(WM_LBUTTONDBLCLK, centre(3, 4), MK_LBUTTON);
    const Heard* dbl = find(grid::kGridDoubleClick);
    ASSERT_NE(dbl, nullptr);
    EXPECT_EQ(dbl->notice.column, 3);
    EXPECT_EQ(dbl->notice.row, 4);
    EXPECT_TRUE(SSGetEditMode(grid)) << "a double click opens the editor";
}

TEST_F(GridInput, RightClickMakesTheCellActiveUnlessInsideTheBlock) {
    mouse(WM_RBUTTONDOWN, centre(2, 5), MK_RBUTTON);
    EXPECT_EQ(active(), std::make_pair(2, 5));
    const Heard* right = find(grid::kGridRightClick);
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(right->notice.column, 2);
    EXPECT_EQ(right->notice.row, 5);
    EXPECT_EQ(right->notice.point.y, centre(2, 5).y);

    // Drag a block from (1,1) to (3,2), then right-click inside it: the block stays.
    click(1, 1);
    heard().clear();
    mouse(WM_LBUTTONDOWN, centre(1, 1), MK_LBUTTON);
    mouse(WM_MOUSEMOVE, centre(2, 2), MK_LBUTTON);
    mouse(WM_MOUSEMOVE, centre(3, 2), MK_LBUTTON);
    mouse(WM_LBUTTONUP, centre(3, 2));
    mouse(WM_MOUSEMOVE, centre(4, 4));  // button up: no more selecting
    int c1, r1, c2, r2;
    ASSERT_TRUE(SSGetSelectBlock(grid, &c1, &r1, &c2, &r2));
    EXPECT_EQ((std::vector<int>{c1, r1, c2, r2}), (std::vector<int>{1, 1, 3, 2}));
    const Heard* change = nullptr;
    for (const Heard& h : heard())
        if (h.message == grid::kGridSelectionChanged) change = &h;
    ASSERT_NE(change, nullptr);
    EXPECT_EQ(change->notice.newColumn, 3);
    EXPECT_EQ(change->notice.newRow, 2);

    mouse(WM_RBUTTONDOWN, centre(2, 2), MK_RBUTTON);
    EXPECT_EQ(active(), std::make_pair(1, 1));
    EXPECT_TRUE(SSGetSelectBlock(grid, &c1, &r1, &c2, &r2));
    // Outside the block: the block goes and the clicked cell is active.
    mouse(WM_RBUTTONDOWN, centre(4, 8), MK_RBUTTON);
    EXPECT_EQ(active(), std::make_pair(4, 8));
    EXPECT_FALSE(SSGetSelectBlock(grid, &c1, &r1, &c2, &r2));
}

TEST_F(GridInput, TypingGoesThroughTheCellTypeAndEndsWithValueChanged) {
    grid::CellType number;
    SSSetTypeNumber(grid, &number, 0, 2, -100, 100, FALSE);
    SSSetCellType(grid, 1, 1, &number);
    click(1, 1);
    heard().clear();
    type("1x2.5");  // the letter is not a number character
    EXPECT_TRUE(SSGetEditMode(grid));
    key(VK_RETURN);
    EXPECT_EQ(data(1, 1), "12.50");
    EXPECT_EQ(active(), std::make_pair(1, 1)) << "Enter ends the editor on its cell";
    SSSetBool(grid, grid::kOptionEnterMovesOn, TRUE);
    key(VK_RETURN);
    EXPECT_EQ(active(), std::make_pair(1, 2)) << "with option 12 Enter moves down";
    const std::vector<UINT> expected{grid::kGridEditStarted, grid::kGridEditEnded,
                                     grid::kGridChanged, grid::kGridValueChanged,
                                     grid::kGridLeaveCell};
    EXPECT_EQ(messages(), expected);
    EXPECT_EQ(find(grid::kGridValueChanged)->notice.column, 1);
    EXPECT_EQ(find(grid::kGridValueChanged)->notice.row, 1);

    // Out of the type's range: the cell keeps its value and nobody hears of a change.
    click(1, 1);
    heard().clear();
    type("500");
    key(VK_TAB);
    EXPECT_EQ(data(1, 1), "12.50");
    EXPECT_EQ(find(grid::kGridValueChanged), nullptr);
    EXPECT_EQ(active(), std::make_pair(2, 1));

    // Escape while editing throws the text away.
    type("abc");
    key(VK_ESCAPE);
    EXPECT_FALSE(SSGetEditMode(grid));
    EXPECT_EQ(data(2, 1), "");
}

TEST_F(GridInput, LockedStaticAndMaxLengthCellsRefuse) {
    SSSetData(grid, 1, 1, "kept");
    SSSetLock(grid, 1, 1, TRUE);
    click(1, 1);
    heard().clear();
    type("new");
    key(VK_DELETE);
    key(VK_F2);
    EXPECT_FALSE(SSGetEditMode(grid));
    EXPECT_EQ(data(1, 1), "kept");
    EXPECT_TRUE(heard().empty());

    grid::CellType edit;
    SSSetTypeEdit(grid, &edit, 0, 3);
    SSSetCellType(grid, 2, 1, &edit);
    click(2, 1);
    type("abcdef");
    key(VK_RETURN);
    EXPECT_EQ(data(2, 1), "abc");
}

TEST_F(GridInput, ComboCellsTakeOnlyTheirItems) {
    grid::CellType combo;
    SSSetTypeComboBox(grid, &combo, 0, "Steel\tTimber\tConcrete");
    SSSetCellType(grid, 1, 1, &combo);
    click(1, 1);
    type("timber");
    key(VK_RETURN);
    EXPECT_EQ(data(1, 1), "Timber") << "the item's own spelling";
    click(1, 1);
    heard().clear();
    type("Glass");
    key(VK_RETURN);
    EXPECT_EQ(data(1, 1), "Timber");
    EXPECT_EQ(find(grid::kGridValueChanged), nullptr);
    // An editable combo takes any text.
    SSSetTypeComboBox(grid, &combo, grid::kComboEditable, "Steel\tTimber");
    SSSetCellType(grid, 1, 1, &combo);
    click(1, 1);
    type("Glass");
    key(VK_RETURN);
    EXPECT_EQ(data(1, 1), "Glass");
}

TEST_F(GridInput, CheckCellsToggleByClickAndSpaceWithTheirCommandCodes) {
    grid::CellType check;
    SSSetTypeCheckBox(grid, &check, 0x300, "", nullptr, nullptr);
    SSSetCellTypeRange(grid, 2, 1, 2, 20, &check);
    click(2, 3);
    EXPECT_EQ(data(2, 3), "1");
    const std::vector<UINT> expected{grid::kGridLeaveCell, grid::kGridClick, WM_COMMAND,
                                     grid::kGridChanged, grid::kGridValueChanged};
    EXPECT_EQ(messages(), expected);
    const Heard* command = find(WM_COMMAND);
    EXPECT_EQ(command->commandCode, grid::kGridCheckTurnedOn);
    EXPECT_EQ(LOWORD(command->wParam), kGridId);
    EXPECT_EQ(command->notice.grid, grid);

    heard().clear();
    key(VK_SPACE);
    SendMessage(grid, WM_CHAR, ' ', 1);  // the character that comes with the key
    EXPECT_EQ(data(2, 3), "0");
    EXPECT_EQ(find(WM_COMMAND)->commandCode, grid::kGridCheckTurnedOff);

    SSSetLock(grid, 2, 4, TRUE);
    heard().clear();
    click(2, 4);
    EXPECT_EQ(data(2, 4), "0");
    EXPECT_EQ(find(WM_COMMAND), nullptr);
}

TEST_F(GridInput, ButtonCellsReportTheirClick) {
    grid::CellType button;
    SSSetTypeButton(grid, &button, 0, "...", nullptr, 0);
    SSSetCellType(grid, 4, 2, &button);
    click(4, 2);
    const Heard* pressed = find(grid::kGridButtonClicked);
    ASSERT_NE(pressed, nullptr);
    EXPECT_EQ(pressed->notice.column, 4);
    EXPECT_EQ(pressed->notice.row, 2);
    SSSetLock(grid, 4, 2, TRUE);
    heard().clear();
    click(4, 2);
    EXPECT_EQ(find(grid::kGridButtonClicked), nullptr);
}

TEST_F(GridInput, KeysMoveTheActiveCellAroundSpansAndScrollIt) {
    EXPECT_EQ(active(), std::make_pair(1, 1)) << "a fresh grid starts on its first cell";
    SSAddCellSpan(grid, 2, 1, 2, 1);  // (2,1)-(3,1)
    key(VK_RIGHT);
    EXPECT_EQ(active(), std::make_pair(2, 1));
    key(VK_RIGHT);
    EXPECT_EQ(active(), std::make_pair(4, 1)) << "past the span";
    key(VK_LEFT);
    EXPECT_EQ(active(), std::make_pair(2, 1)) << "onto the span's anchor";
    key(VK_END);
    EXPECT_EQ(active(), std::make_pair(5, 1));
    key(VK_TAB);
    EXPECT_EQ(active(), std::make_pair(1, 2)) << "Tab wraps to the next row";
    key(VK_HOME);
    key(VK_UP);
    key(VK_UP);
    EXPECT_EQ(active(), std::make_pair(1, 1)) << "stays at the edge";

    // Going down past the shown rows scrolls them; the grid shows 9 rows of 20 pixels.
    heard().clear();
    for (int i = 0; i < 12; ++i) key(VK_DOWN);
    EXPECT_EQ(active(), std::make_pair(1, 13));
    int left = 0, top = 0;
    SSGetTopLeftCell(grid, &left, &top);
    EXPECT_EQ(left, 1);
    EXPECT_EQ(top, 5);
    const Heard* scrolled = nullptr;
    for (const Heard& h : heard())
        if (h.message == grid::kGridTopLeftChanged) scrolled = &h;
    ASSERT_NE(scrolled, nullptr);
    EXPECT_EQ(scrolled->notice.newRow, 5);
    // The cell under a point is the scrolled one.
    int c = 0, r = 0;
    ASSERT_TRUE(SSGetCellFromPixel(grid, &c, &r, 41, 21));
    EXPECT_EQ(r, 5);
    // The wheel scrolls three rows a notch, never above the first row.
    SendMessage(grid, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
    SSGetTopLeftCell(grid, &left, &top);
    EXPECT_EQ(top, 2);
    SendMessage(grid, WM_MOUSEWHEEL, MAKEWPARAM(0, 240), 0);
    SSGetTopLeftCell(grid, &left, &top);
    EXPECT_EQ(top, 1);
}

TEST_F(GridInput, ShiftWithArrowsGrowsABlockFromTheActiveCellToWholeSpans) {
    SSAddCellSpan(grid, 3, 3, 1, 2);  // (3,3)-(3,4)
    click(2, 2);
    SetFocus(grid);
    heard().clear();
    win::act::pressKey(parent, VK_RIGHT, {true, false});
    win::act::pressKey(parent, VK_DOWN, {true, false});
    EXPECT_EQ(active(), std::make_pair(2, 2)) << "the active cell stays";
    int c1, r1, c2, r2;
    ASSERT_TRUE(SSGetSelectBlock(grid, &c1, &r1, &c2, &r2));
    EXPECT_EQ((std::vector<int>{c1, r1, c2, r2}), (std::vector<int>{2, 2, 3, 4}))
        << "the span reached by the block is taken whole";
    EXPECT_EQ(find(grid::kGridLeaveCell), nullptr);
    // A plain move drops the block and says so.
    heard().clear();
    win::act::pressKey(parent, VK_LEFT);
    EXPECT_FALSE(SSGetSelectBlock(grid, &c1, &r1, &c2, &r2));
    const Heard* change = find(grid::kGridSelectionChanged);
    ASSERT_NE(change, nullptr);
    EXPECT_EQ(change->notice.column, 0);
    EXPECT_EQ(change->notice.newRow, 0);
}

TEST_F(GridInput, SettingTheActiveCellDropsAStaleBlock) {
    SSSetSelectBlock(grid, 2, 2, 2, 2);
    ASSERT_TRUE(SSSetActiveCell(grid, 4, 7));
    int c1, r1, c2, r2;
    EXPECT_FALSE(SSGetSelectBlock(grid, &c1, &r1, &c2, &r2));
    EXPECT_FALSE(SSSetActiveCell(grid, 6, 1)) << "outside the sheet";
    EXPECT_EQ(active(), std::make_pair(4, 7));
}

TEST_F(GridInput, TheEditorKeepsItsTextWhenFocusMovesAway) {
    click(3, 3);
    type("typed");
    SendMessage(grid, WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(SSGetEditMode(grid));
    EXPECT_EQ(data(3, 3), "typed");
}

TEST_F(GridInput, AnEditorTheUserLeftAloneNeverUndoesTheProgramsWrite) {
    // A search opens the editor on a cell, a replace rewrites the cell; leaving the cell
    // must keep the replaced text.
    SSSetData(grid, 2, 2, "bolt hole");
    SSSetActiveCell(grid, 2, 2);
    ASSERT_TRUE(SSSetEditMode(grid, TRUE));
    SSSetData(grid, 2, 2, "bolt slot");
    click(3, 3);
    EXPECT_EQ(data(2, 2), "bolt slot");
    ASSERT_TRUE(SSSetActiveCell(grid, 2, 2));
    ASSERT_TRUE(SSSetEditMode(grid, TRUE));
    SSSetData(grid, 2, 2, "again");
    ASSERT_TRUE(SSSetEditMode(grid, FALSE));
    EXPECT_EQ(data(2, 2), "again");
}

TEST_F(GridInput, ANotificationThatClosesTheGridEndsTheInput) {
    // A parent that destroys the grid on the first click: nothing may touch it afterwards.
    grid::CellType check;
    SSSetTypeCheckBox(grid, &check, 0x300, "", nullptr, nullptr);
    SSSetCellType(grid, 2, 2, &check);
    static HWND victim = nullptr;
    victim = grid;
    SetWindowLongPtr(parent, GWLP_WNDPROC,
                     reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
                         if (m == grid::kGridClick && IsWindow(victim)) DestroyWindow(victim);
                         return DefWindowProc(h, m, w, l);
                     }));
    mouse(WM_LBUTTONDOWN, centre(2, 2), MK_LBUTTON);
    EXPECT_FALSE(IsWindow(grid));
}

}  // namespace
