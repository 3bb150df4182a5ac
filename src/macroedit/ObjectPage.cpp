#include "macroedit/ObjectPage.h"

#include "core/Texts.h"
#include "core/macro/MacroEditPlacing.h"
#include "core/macro/MacroEditing.h"
#include "grid/GridNotifications.h"
#include "host/CommandLine.h"
#include "macroedit/EscapeGuard.h"
#include "macroedit/KvEditConstraintsDlg.h"
#include "resources/macroedit_ids.h"
#include "win/CMenu.h"
#include "win/MessageBox.h"
#include "win/WinMessages.h"

namespace {

constexpr int kFlexColumn = 4;
constexpr int kCheckColumn = 5;

Mdx_StringArray flexibilityItems() {
    return {dialString(893), dialString(894), dialString(895)};
}

}  // namespace

ObjectPage::ObjectPage(KvEditConstraintsDlg& editor) : EditorPage(IDD_EDIT_OBJECTS_PAGE, editor) {}

BOOL ObjectPage::OnInitDialog() {
    EditorPage::OnInitDialog();
    if (grid.attachToDlgItem(this, kGrid, true)) {
        grid.setStandardLayout(1);
        refresh();
    }
    return TRUE;
}

void ObjectPage::refresh() {
    if (!grid.isAttached()) return;
    building_ = true;
    const ObjectTable& objects = *editor_.data.objects;
    const int count = objects.rows.length();
    shown_ = objects.rows;
    grid.setMaxCols(5, false);
    grid.setMaxRows(count, false);
    grid.setColumnHeaders({dialString(889), dialString(890), dialString(87), dialString(891),
                           dialString(892)});
    for (int r = 0; r < count; ++r) {
        const ObjectRow& row = objects.rows[r];
        grid.setRowTexts(r + 1,
                         {row.texts[0], row.texts[1],
                          row.fourthText.isEmpty() ? row.texts[2] : row.fourthText},
                         false);
        grid.setComboCell(kFlexColumn, r + 1, flexibilityItems(), false);
        const Mdx_StringArray items = flexibilityItems();
        if (items.isValidIndex(row.flexibility - 1))
            grid.setCellData(kFlexColumn, r + 1, items[row.flexibility - 1]);
        grid.setCheckBoxCell(kCheckColumn, r + 1, false);
        grid.setCheck(kCheckColumn, r + 1, row.constrained != 0);
        grid.setCellLocked(1, r + 1, true);
        grid.setCellLocked(2, r + 1, true);
        // A row without an object id (a coordinate system) is a fixed reference: shown only.
        if (row.id.isNull())
            for (int column : {3, kFlexColumn, kCheckColumn}) grid.setCellLocked(column, r + 1, true);
        else
            grid.setEditCell(3, r + 1);
    }
    grid.fitColumnsEqually(false, 0);
    building_ = false;
}

void ObjectPage::leave() {
    if (shown_.isValidIndex(highlighted_)) UnHighlightObject(shown_[highlighted_].id);
    highlighted_ = -1;
}

// The grid's rows are those of the table it was built from: a tool may have added objects
// to the table since, so names go by the ids shown.
bool ObjectPage::storeNames() {
    if (!grid.isAttached()) return true;
    AcArray<AcDbObjectId> ids;
    Mdx_StringArray names;
    bool changed = false;
    for (int r = 0; r < shown_.length(); ++r) {
        if (shown_[r].id.isNull()) continue;
        Mdx_String name;
        grid.getCellText(3, r + 1, name, kTextData);
        ids.append(shown_[r].id);
        names.append(name);
        changed = changed || name != shown_[r].texts[2];
    }
    if (!changed || SetNameTags(editor_.data, ids, names)) return true;
    MessageBox(dialString(9306).c_str(), dialString(874).c_str(), MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void ObjectPage::cellChanged(int column, int row) {
    if (building_ || !shown_.isValidIndex(row - 1)) return;
    const ObjectRow stored = shown_[row - 1];
    if (stored.id.isNull()) return refresh();
    if (column == kFlexColumn) {
        Mdx_String chosen;
        grid.getCellText(kFlexColumn, row, chosen, kTextData);
        const int index = flexibilityItems().find(chosen, true);
        if (index >= 0 && index + 1 != stored.flexibility)
            UpdateGeomFlexibility(editor_.data, stored.id, stored.flexibilityTag, index + 1);
        refresh();
    } else if (column == kCheckColumn) {
        bool on = false;
        grid.getCheck(kCheckColumn, row, on);
        if ((stored.constrained == 0 || stored.constrained == 1) && on != (stored.constrained != 0))
            UpdateConstrGeom(editor_.data, stored.id, on);
        refresh();
    }
}

void ObjectPage::rowClicked(int row) {
    if (!shown_.isValidIndex(row - 1)) return;
    leave();
    escape_guard::start();
    HighlightObject(shown_[row - 1].id);
    highlighted_ = row - 1;
    acedUpdateDisplay();
}

void ObjectPage::contextMenu(int row) {
    if (!shown_.isValidIndex(row - 1)) return;
    HMENU menu = ::CreatePopupMenu();
    ::AppendMenu(menu, MF_STRING, kRemoveItem, dialString(9308).c_str());
    POINT at{};
    ::GetCursorPos(&at);
    const UINT chosen = static_cast<UINT>(
        ::TrackPopupMenu(menu, TPM_RETURNCMD, at.x, at.y, 0, m_hWnd, nullptr));
    ::DestroyMenu(menu);
    if (chosen == kRemoveItem) removeObject(row);
}

void ObjectPage::removeObject(int row) {
    if (!storeNames()) return;
    // A stored rename is in the editor's table now, found by the row's id.
    Mdx_String name = shown_[row - 1].texts[2];
    const AcDbObjectId id = shown_[row - 1].id;
    if (!id.isNull())
        for (const ObjectRow& now : editor_.data.objects->rows)
            if (now.id == id) name = now.texts[2];
    leave();
    Mdx_String usedBy;
    if (!RemovePlacedObject(editor_.data, name, usedBy)) {
        const Mdx_String text =
            usedBy.isEmpty() ? dialString(9309) : dialString(9310) + " \"" + usedBy + "\"";
        MessageBox(text.c_str(), dialString(874).c_str(), MB_OK | MB_ICONEXCLAMATION);
    }
    refresh();
}

LRESULT ObjectPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (lParam && static_cast<int>(wParam) == kGrid) {
        const grid::GridNotice& notice = grid::gridNotice(lParam);
        if (message == grid::kGridClick && notice.row > 0) rowClicked(notice.row);
        if (message == grid::kGridRightClick && notice.row > 0) {
            contextMenu(notice.row);
            return 0;
        }
        if (message == grid::kGridValueChanged) cellChanged(notice.column, notice.row);
    }
    return EditorPage::WindowProc(message, wParam, lParam);
}
