#include "core/Texts.h"
#include "spread/FindReplaceDialog.h"
#include "spread/Mdx_Spread.h"
#include "win/CMenu.h"

namespace {

// Command ids of the context-menu entries, by position among the entries that are not
// separators.
constexpr UINT kContextCommandIds[] = {32811, 32812, 32816, 32817, 32818,
                                       32800, 32801, 32802, 32803, 32804};
constexpr int kContextCommandCount = 10;

constexpr int kKindSeparator = 1;
constexpr int kKindCopy = 2;
constexpr int kKindPaste = 3;
constexpr int kKindInsertRow = 4;
constexpr int kKindDeleteRow = 5;
constexpr int kKindInsertColumn = 6;
constexpr int kKindDeleteColumn = 7;
constexpr int kKindCheckAll = 8;
constexpr int kKindClearAll = 9;

// Notifications after which the locks of a check-box link are brought up to date.
constexpr WORD kCheckChangedCodes[] = {grid::kGridCheckTurnedOn, grid::kGridCheckTurnedOff};

int menuTextOf(int kind) {
    switch (kind) {
        case kKindCopy:
            return 1154;
        case kKindPaste:
            return 1155;
        case kKindInsertRow:
            return 774;
        case kKindDeleteRow:
            return 775;
        case kKindInsertColumn:
            return 1156;
        case kKindDeleteColumn:
            return 1157;
        case kKindCheckAll:
            return 1400;
        case kKindClearAll:
            return 1401;
        default:
            return 0;
    }
}

int contextIndexOf(UINT id) {
    for (int i = 0; i < kContextCommandCount; ++i)
        if (kContextCommandIds[i] == id) return i;
    return -1;
}

}  // namespace

void Mdx_Spread::setContextMenuEntries(const AcArray<int>& kinds) {
    contextMenu = std::make_unique<CMenu>();
    contextEntries = kinds;
}

void Mdx_Spread::showContextMenu(POINT point) {
    if (!contextMenu || contextEntries.isEmpty()) return;
    contextMenu->DestroyMenu();
    if (!contextMenu->CreatePopupMenu()) return;
    int item = 0;
    for (int kind : contextEntries) {
        if (kind == kKindSeparator) {
            contextMenu->AppendMenu(MF_SEPARATOR);
            continue;
        }
        if (item >= kContextCommandCount) break;
        const int textId = menuTextOf(kind);
        const Mdx_String text = textId ? dialString(textId) : Mdx_String();
        contextMenu->AppendMenu(MF_STRING, kContextCommandIds[item++], text.c_str());
    }
    contextMenu->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

void Mdx_Spread::runContextCommand(int index) {
    if (!attached || index < 0) return;
    int item = 0;
    for (int kind : contextEntries) {
        if (kind == kKindSeparator) continue;
        if (item++ != index) continue;
        switch (kind) {
            case kKindCopy:
                ClipboardCopy();
                break;
            case kKindPaste:
                ClipboardPaste();
                break;
            case kKindInsertRow:
                insertRowAt(getCurrentRow(), false, true);
                break;
            case kKindDeleteRow:
                deleteRowAt(getCurrentRow());
                break;
            case kKindInsertColumn:
                insertColAt(getCurrentCol(), true, true);
                break;
            case kKindDeleteColumn:
                deleteColAt(getCurrentCol());
                break;
            case kKindCheckAll:
                setChecksInSelection(true);
                break;
            case kKindClearAll:
                setChecksInSelection(false);
                break;
            default:
                break;
        }
        return;
    }
}

BOOL Mdx_Spread::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int contextIndex = contextIndexOf(LOWORD(wParam));
    if (contextIndex >= 0 && lParam == 0) {
        runContextCommand(contextIndex);
        return TRUE;
    }
    const WORD code = HIWORD(wParam);
    if (code == kCheckChangedCodes[0] || code == kCheckChangedCodes[1]) reapplyLockLink();
    return TSpread::OnCommand(wParam, lParam);
}

// ---- Keys -----------------------------------------------------------------------------------

FindReplaceDialog* Mdx_Spread::findReplaceDialog() {
    if (findDialog && !::IsWindow(findDialog->GetSafeHwnd())) findDialog.reset();
    return findDialog.get();
}

void Mdx_Spread::openFindDialog() {
    auto dialog = std::make_unique<FindReplaceDialog>();
    if (!dialog->Create(FindReplaceDialog::IDD, this)) return;
    dialog->setSheetWindow(m_hWnd);
    dialog->ShowWindow(SW_SHOW);
    findDialog = std::move(dialog);
}

// The first F3 or F5 only opens the dialog; later ones search or replace.
bool Mdx_Spread::handleFindKey(UINT key) {
    FindReplaceDialog* dialog = findReplaceDialog();
    if (!dialog) {
        openFindDialog();
        return true;
    }
    if (key == VK_F3)
        dialog->findNextMatch(true);
    else
        dialog->replaceNextMatch(true);
    return true;
}

BOOL Mdx_Spread::PreTranslateMessage(MSG* msg) {
    if (attached && msg->message == WM_KEYDOWN) {
        const UINT key = static_cast<UINT>(msg->wParam);
        if (key == VK_F3 || key == VK_F5) return handleFindKey(key) ? TRUE : FALSE;
        if (key == VK_F8 && f8Toggle) SetBool(13, !GetBool(13));
    }
    return TSpread::PreTranslateMessage(msg);
}

// ---- Window messages ------------------------------------------------------------------------

LRESULT Mdx_Spread::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kGridValueChanged) return 0;
    return TSpread::WindowProc(message, wParam, lParam);
}

void Mdx_Spread::OnSize(UINT type, int cx, int cy) {
    TSpread::OnSize(type, cx, cy);
    applyFitPolicy();
}

// The menu's commands act on the current cell, so the cell under the pointer becomes the
// active one first (a cell inside the selected block keeps the block).
void Mdx_Spread::activateCellAt(POINT point) {
    int col = 0, row = 0;
    if (!SSGetCellFromPixel(m_hWnd, &col, &row, point.x, point.y) || col < 1 || row < 1) return;
    int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
    if (GetSelectBlock(&c1, &r1, &c2, &r2) && col >= c1 && col <= c2 && row >= r1 && row <= r2)
        return;
    SetActiveCell(col, row);
}

void Mdx_Spread::OnRButtonDown(UINT flags, POINT point) {
    if (attached) activateCellAt(point);
    POINT cursor = point;
    if (!GetCursorPos(&cursor)) ClientToScreen(&cursor);
    showContextMenu(cursor);
    TSpread::OnRButtonDown(flags, point);
}
