#include "grid/GridInput.h"

#include <algorithm>

#include "grid/GridEditor.h"
#include "grid/GridLayout.h"
#include "grid/GridNotifier.h"
#include "grid/SpreadWindow.h"
#include "win/DialogCodes.h"
#include "win/ScriptedUser.h"
#include "win/Window.h"

namespace grid {

namespace {

constexpr int kScrollLineUp = 0, kScrollLineDown = 1, kScrollPageUp = 2, kScrollPageDown = 3;
constexpr int kScrollThumbPosition = 4, kScrollThumbTrack = 5, kScrollTop = 6,
              kScrollBottom = 7;

GridLayout layoutOf(const SpreadControl& control) {
    RECT client{0, 0, 0, 0};
    GetClientRect(control.window, &client);
    return GridLayout(control.model, client.right - client.left, client.bottom - client.top);
}

POINT pointOf(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(static_cast<DWORD_PTR>(lParam))),
                 static_cast<short>(HIWORD(static_cast<DWORD_PTR>(lParam)))};
}

bool keyDown(int key) { return GetKeyState(key) < 0; }

bool notifyMouse(HWND grid, UINT message, int column, int row, POINT point) {
    GridNotice notice;
    notice.column = column;
    notice.row = row;
    notice.point = point;
    return notifyParent(grid, message, notice);
}

bool notifyBlock(SpreadControl& control) {
    const SelectionState& s = control.model.selection();
    GridNotice notice;
    if (s.hasBlock) {
        notice.column = s.block.column1;
        notice.row = s.block.row1;
        notice.newColumn = s.block.column2;
        notice.newRow = s.block.row2;
    }
    return notifyParent(control.window, kGridSelectionChanged, notice);
}

bool scrollTo(SpreadControl& control, int leftColumn, int topRow) {
    SelectionState& s = control.model.selection();
    leftColumn = std::clamp(leftColumn, 1, std::max(control.model.maxColumns(), 1));
    topRow = std::clamp(topRow, 1, std::max(control.model.maxRows(), 1));
    if (leftColumn == s.leftColumn && topRow == s.topRow) return true;
    s.leftColumn = leftColumn;
    s.topRow = topRow;
    GridNotice notice;
    notice.newColumn = leftColumn;
    notice.newRow = topRow;
    return notifyParent(control.window, kGridTopLeftChanged, notice);
}

bool scrollIntoView(SpreadControl& control, int column, int row) {
    int left = 0, top = 0;
    layoutOf(control).scrollToShow(column, row, left, top);
    return scrollTo(control, left, top);
}

// The user moves the active cell: the editor's text is kept first, the parent hears that
// the old cell is left, and a selected block goes away.
bool moveActiveTo(SpreadControl& control, int column, int row) {
    SpreadModel& model = control.model;
    if (column < 1 || row < 1 || column > model.maxColumns() || row > model.maxRows())
        return true;
    if (!commitEdit(control)) return false;
    SelectionState& s = model.selection();
    if (column != s.activeColumn || row != s.activeRow) {
        GridNotice notice;
        notice.column = s.activeColumn;
        notice.row = s.activeRow;
        notice.newColumn = column;
        notice.newRow = row;
        if (!notifyParent(control.window, kGridLeaveCell, notice)) return false;
        s.activeColumn = column;
        s.activeRow = row;
    }
    control.cornerColumn = column;
    control.cornerRow = row;
    if (s.hasBlock) {
        s.hasBlock = false;
        if (!notifyBlock(control)) return false;
    }
    return scrollIntoView(control, column, row);
}

// The block from the active cell to the moving corner, grown to whole spans at its edges.
bool extendBlockTo(SpreadControl& control, int column, int row) {
    SpreadModel& model = control.model;
    column = std::clamp(column, 1, model.maxColumns());
    row = std::clamp(row, 1, model.maxRows());
    if (!commitEdit(control)) return false;
    SelectionState& s = model.selection();
    control.cornerColumn = column;
    control.cornerRow = row;
    CellRect block{std::min(s.activeColumn, column), std::min(s.activeRow, row),
                   std::max(s.activeColumn, column), std::max(s.activeRow, row)};
    for (const Span& span : model.spans()) {
        const bool overlaps = span.column <= block.column2 &&
                              span.column + span.columns - 1 >= block.column1 &&
                              span.row <= block.row2 && span.row + span.rows - 1 >= block.row1;
        if (!overlaps) continue;
        block.column1 = std::min(block.column1, span.column);
        block.row1 = std::min(block.row1, span.row);
        block.column2 = std::min(std::max(block.column2, span.column + span.columns - 1),
                                 model.maxColumns());
        block.row2 = std::min(std::max(block.row2, span.row + span.rows - 1), model.maxRows());
    }
    const bool single = block.column1 == block.column2 && block.row1 == block.row2;
    if (single && !s.hasBlock) return true;
    if (s.hasBlock && s.block.column1 == block.column1 && s.block.row1 == block.row1 &&
        s.block.column2 == block.column2 && s.block.row2 == block.row2)
        return true;
    s.hasBlock = !single;
    s.block = block;
    if (!notifyBlock(control)) return false;
    return scrollIntoView(control, column, row);
}

bool shownSize(const SpreadModel& model, bool columns, int index) {
    return columns ? model.columnWidth(index) > 0 : model.rowHeight(index) > 0;
}

// One step from a cell in a direction, past the cell's span and past hidden columns or rows;
// a covered cell gives its span's anchor. Stays put at the sheet's edge.
void step(const SpreadModel& model, int& column, int& row, int dc, int dr) {
    Span span;
    const bool spanned = model.spanAt(column, row, span);
    int c = column, r = row;
    if (dc > 0) c = spanned ? span.column + span.columns : column + 1;
    if (dr > 0) r = spanned ? span.row + span.rows : row + 1;
    if (dc < 0) c = (spanned ? span.column : column) - 1;
    if (dr < 0) r = (spanned ? span.row : row) - 1;
    while (dc != 0 && c >= 1 && c <= model.maxColumns() && !shownSize(model, true, c)) c += dc;
    while (dr != 0 && r >= 1 && r <= model.maxRows() && !shownSize(model, false, r)) r += dr;
    if (c < 1 || r < 1 || c > model.maxColumns() || r > model.maxRows()) return;
    if (model.spanAt(c, r, span) && (span.column != column || span.row != row)) {
        c = dc != 0 ? span.column : column;
        r = dr != 0 ? span.row : row;
        if (model.spanAt(c, r, span)) {
            c = span.column;
            r = span.row;
        }
    }
    column = c;
    row = r;
}

// Tab runs along the rows: after the last column the first column of the next row.
void tabStep(const SpreadModel& model, int& column, int& row, bool back) {
    int c = column, r = row;
    step(model, c, r, back ? -1 : 1, 0);
    if (c != column || r != row) {
        column = c;
        row = r;
        return;
    }
    int nextRow = row;
    step(model, c, nextRow, 0, back ? -1 : 1);
    if (nextRow == row) return;
    column = back ? model.maxColumns() : 1;
    row = nextRow;
    Span span;
    if (model.spanAt(column, row, span)) {
        column = span.column;
        row = span.row;
    }
}

bool onLeftButtonDown(SpreadControl& control, WPARAM flags, POINT point) {
    const GridHit hit = layoutOf(control).hitTest(point);
    HWND grid = control.window;
    // A click takes the keyboard, as in any control: what is typed next goes to the grid.
    if (GetFocus() != grid) SetFocus(grid);
    if (!IsWindow(grid)) return false;
    if (hit.area == GridHit::Outside) return commitEdit(control);
    if (hit.area != GridHit::Cell) {
        if (!commitEdit(control)) return false;
        return notifyMouse(grid, kGridClick, hit.column, hit.row, point);
    }
    const bool extend = (flags & MK_SHIFT) != 0;
    if (!(extend ? extendBlockTo(control, hit.column, hit.row)
                 : moveActiveTo(control, hit.column, hit.row)))
        return false;
    if (!notifyMouse(grid, kGridClick, hit.column, hit.row, point)) return false;
    SpreadModel& model = control.model;
    control.dragging = !extend;
    if (extend) return true;
    const int code = model.typeCode(hit.column, hit.row);
    if (code == kTypeCheckBox) return toggleCheck(control, hit.column, hit.row);
    if (code == kTypeButton && !model.isLocked(hit.column, hit.row))
        return notifyCell(grid, kGridButtonClicked, hit.column, hit.row);
    return true;
}

bool onMouseMove(SpreadControl& control, WPARAM flags, POINT point) {
    if (!control.dragging) return true;
    if (!(flags & MK_LBUTTON)) {
        control.dragging = false;
        return true;
    }
    const GridHit hit = layoutOf(control).hitTest(point);
    if (hit.area != GridHit::Cell) return true;
    if (hit.column == control.cornerColumn && hit.row == control.cornerRow) return true;
    return extendBlockTo(control, hit.column, hit.row);
}

bool onDoubleClick(SpreadControl& control, POINT point) {
    const GridHit hit = layoutOf(control).hitTest(point);
    if (hit.area == GridHit::Outside) return true;
    if (!notifyMouse(control.window, kGridDoubleClick, hit.column, hit.row, point)) return false;
    if (hit.area != GridHit::Cell) return true;
    const SelectionState& s = control.model.selection();
    if (s.activeColumn != hit.column || s.activeRow != hit.row) return true;
    return beginEdit(control, false);
}

bool onRightButtonDown(SpreadControl& control, POINT point) {
    const GridHit hit = layoutOf(control).hitTest(point);
    if (hit.area == GridHit::Outside) return true;
    if (hit.area == GridHit::Cell) {
        const SelectionState& s = control.model.selection();
        const bool inBlock = s.hasBlock && s.block.contains(hit.column, hit.row);
        if (!inBlock && !moveActiveTo(control, hit.column, hit.row)) return false;
    }
    return notifyMouse(control.window, kGridRightClick, hit.column, hit.row, point);
}

bool moveBy(SpreadControl& control, int dc, int dr, bool extend) {
    const SelectionState& s = control.model.selection();
    int column = extend ? control.cornerColumn : s.activeColumn;
    int row = extend ? control.cornerRow : s.activeRow;
    if (extend && (column < 1 || row < 1)) {
        column = s.activeColumn;
        row = s.activeRow;
    }
    step(control.model, column, row, dc, dr);
    return extend ? extendBlockTo(control, column, row) : moveActiveTo(control, column, row);
}

bool onEditingKey(SpreadControl& control, int key) {
    SelectionState& s = control.model.selection();
    const int caret = std::max(s.editStart, s.editEnd);
    switch (key) {
    case VK_ESCAPE: return cancelEdit(control);
    case VK_LEFT: moveCaret(control, std::min(s.editStart, s.editEnd) - (s.editStart == s.editEnd)); return true;
    case VK_RIGHT: moveCaret(control, caret + (s.editStart == s.editEnd)); return true;
    case VK_HOME: moveCaret(control, 0); return true;
    case VK_END: moveCaret(control, static_cast<int>(s.editText.size())); return true;
    case VK_BACK: eraseCharacter(control, true); return true;
    case VK_DELETE: eraseCharacter(control, false); return true;
    default: return false;
    }
}

bool onKeyDown(SpreadControl& control, int key) {
    SelectionState& s = control.model.selection();
    if (s.editing && key != VK_UP && key != VK_DOWN && key != VK_TAB && key != VK_RETURN) {
        if (onEditingKey(control, key)) return true;
    }
    const bool shift = keyDown(VK_SHIFT), ctrl = keyDown(VK_CONTROL);
    SpreadModel& model = control.model;
    switch (key) {
    case VK_LEFT: return moveBy(control, -1, 0, shift);
    case VK_RIGHT: return moveBy(control, 1, 0, shift);
    case VK_UP: return moveBy(control, 0, -1, shift);
    case VK_DOWN: return moveBy(control, 0, 1, shift);
    case VK_RETURN:
        // Enter ends the editor; it moves on only when option 12 says so.
        if (!commitEdit(control)) return false;
        if (!model.option(kOptionEnterMovesOn)) return true;
        return moveBy(control, 0, shift ? -1 : 1, false);
    case VK_TAB: {
        int column = s.activeColumn, row = s.activeRow;
        tabStep(model, column, row, shift);
        return moveActiveTo(control, column, row);
    }
    case VK_HOME: return moveActiveTo(control, 1, ctrl ? 1 : s.activeRow);
    case VK_END: return moveActiveTo(control, model.maxColumns(), ctrl ? model.maxRows() : s.activeRow);
    case VK_F2: return beginEdit(control, false) || IsWindow(control.window);
    case VK_SPACE:
        if (model.typeCode(s.activeColumn, s.activeRow) == kTypeCheckBox)
            return toggleCheck(control, s.activeColumn, s.activeRow);
        return true;
    case VK_DELETE: return clearByUser(control, s.activeColumn, s.activeRow);
    case VK_BACK: return beginEdit(control, true) || IsWindow(control.window);
    default: return true;
    }
}

bool onScroll(SpreadControl& control, bool vertical, int request, int position) {
    const SelectionState& s = control.model.selection();
    const GridLayout layout = layoutOf(control);
    int left = s.leftColumn, top = s.topRow;
    int& value = vertical ? top : left;
    const int page = vertical ? std::max(layout.lastShownRow() - top, 1)
                              : std::max(layout.lastShownColumn() - left, 1);
    switch (request) {
    case kScrollLineUp: --value; break;
    case kScrollLineDown: ++value; break;
    case kScrollPageUp: value -= page; break;
    case kScrollPageDown: value += page; break;
    case kScrollThumbPosition:
    case kScrollThumbTrack: value = position; break;
    case kScrollTop: value = 1; break;
    case kScrollBottom:
        value = vertical ? control.model.maxRows() : control.model.maxColumns();
        break;
    default: return true;
    }
    return scrollTo(control, left, top);
}

LRESULT dialogCode(const SpreadControl& control, WPARAM key) {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
    // Escape closes the dialog unless it ends the cell editor.
    if (static_cast<int>(key) != VK_ESCAPE || control.model.selection().editing)
        code |= DLGC_WANTALLKEYS;
    return code;
}

}  // namespace

bool activateCell(SpreadControl& control, int column, int row) {
    SpreadModel& model = control.model;
    if (column < 1 || row < 1 || column > model.maxColumns() || row > model.maxRows())
        return false;
    SelectionState& s = model.selection();
    s.activeColumn = column;
    s.activeRow = row;
    s.hasBlock = false;
    s.editing = false;
    s.editText.clear();
    control.cornerColumn = column;
    control.cornerRow = row;
    int left = 0, top = 0;
    layoutOf(control).scrollToShow(column, row, left, top);
    s.leftColumn = left;
    s.topRow = top;
    return true;
}

bool handleUserInput(SpreadControl& control, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_LBUTTONDOWN: onLeftButtonDown(control, wParam, pointOf(lParam)); return true;
    case WM_LBUTTONUP: control.dragging = false; return true;
    case WM_MOUSEMOVE: onMouseMove(control, wParam, pointOf(lParam)); return true;
    case WM_LBUTTONDBLCLK: onDoubleClick(control, pointOf(lParam)); return true;
    case WM_RBUTTONDOWN: onRightButtonDown(control, pointOf(lParam)); return true;
    case WM_KEYDOWN: onKeyDown(control, static_cast<int>(wParam)); return true;
    case WM_CHAR: {
        const char c = static_cast<char>(wParam);
        if (static_cast<unsigned char>(c) >= 32 && !keyDown(VK_CONTROL)) typeCharacter(control, c);
        return true;
    }
    case WM_KILLFOCUS: commitEdit(control); return true;
    case WM_VSCROLL:
    case WM_HSCROLL:
        onScroll(control, message == WM_VSCROLL, LOWORD(static_cast<DWORD_PTR>(wParam)),
                 static_cast<short>(HIWORD(static_cast<DWORD_PTR>(wParam))));
        return true;
    case WM_MOUSEWHEEL: {
        // Three rows a notch, as the scroll bar's line steps.
        const int notches = static_cast<short>(HIWORD(static_cast<DWORD_PTR>(wParam))) / 120;
        const SelectionState& s = control.model.selection();
        scrollTo(control, s.leftColumn, s.topRow - 3 * notches);
        return true;
    }
    case WM_GETDLGCODE: result = dialogCode(control, wParam); return true;
    default: return false;
    }
}

}  // namespace grid
