#include "grid/GridEditor.h"

#include <algorithm>
#include <string>

#include "grid/CellTypeRules.h"
#include "grid/GridNotifier.h"
#include "grid/SpreadWindow.h"
#include "win/Window.h"

namespace grid {

namespace {

std::string dataOf(SpreadModel& model, int column, int row) {
    std::string text;
    model.text(column, row, TextKind::Data, text);
    return text;
}

// Writes the text the user gave and reports the change when the cell now shows another text.
bool writeByUser(SpreadControl& control, int column, int row, const std::string& text) {
    SpreadModel& model = control.model;
    const std::string before = dataOf(model, column, row);
    if (!model.setData(column, row, text)) return true;
    if (dataOf(model, column, row) == before) return true;
    HWND grid = control.window;
    return notifyCell(grid, kGridChanged, column, row) &&
           notifyCell(grid, kGridValueChanged, column, row);
}

}  // namespace

bool canEdit(const SpreadControl& control, int column, int row) {
    const SpreadModel& model = control.model;
    return column >= 1 && row >= 1 && column <= model.maxColumns() && row <= model.maxRows() &&
           !model.isLocked(column, row) && takesTyping(model.type(column, row));
}

bool beginEdit(SpreadControl& control, bool replace) {
    SelectionState& s = control.model.selection();
    if (s.editing) return true;
    if (!canEdit(control, s.activeColumn, s.activeRow)) return false;
    s.editing = true;
    s.editText = replace ? std::string() : dataOf(control.model, s.activeColumn, s.activeRow);
    s.editChanged = replace;
    s.editStart = s.editEnd = static_cast<int>(s.editText.size());
    return notifyCell(control.window, kGridEditStarted, s.activeColumn, s.activeRow);
}

bool typeCharacter(SpreadControl& control, char c) {
    SelectionState& s = control.model.selection();
    const CellType& type = control.model.type(s.activeColumn, s.activeRow);
    if (!s.editing) {
        if (!typingAccepts(type, std::string_view(), c)) return true;
        if (!beginEdit(control, true)) return true;
        if (!IsWindow(control.window)) return false;
    }
    const int size = static_cast<int>(s.editText.size());
    const int from = std::clamp(std::min(s.editStart, s.editEnd), 0, size);
    const int to = std::clamp(std::max(s.editStart, s.editEnd), 0, size);
    std::string rest = s.editText;
    rest.erase(static_cast<size_t>(from), static_cast<size_t>(to - from));
    if (!typingAccepts(type, rest, c)) return true;
    rest.insert(static_cast<size_t>(from), 1, c);
    s.editText = std::move(rest);
    s.editStart = s.editEnd = from + 1;
    s.editChanged = true;
    return true;
}

void eraseCharacter(SpreadControl& control, bool before) {
    SelectionState& s = control.model.selection();
    if (!s.editing) return;
    const int size = static_cast<int>(s.editText.size());
    int from = std::clamp(std::min(s.editStart, s.editEnd), 0, size);
    int to = std::clamp(std::max(s.editStart, s.editEnd), 0, size);
    if (from == to) {
        if (before && from > 0) --from;
        else if (!before && to < size) ++to;
    }
    s.editText.erase(static_cast<size_t>(from), static_cast<size_t>(to - from));
    s.editStart = s.editEnd = from;
    s.editChanged = true;
}

void moveCaret(SpreadControl& control, int position) {
    SelectionState& s = control.model.selection();
    if (!s.editing) return;
    s.editStart = s.editEnd = std::clamp(position, 0, static_cast<int>(s.editText.size()));
}

bool commitEdit(SpreadControl& control) {
    SelectionState& s = control.model.selection();
    if (!s.editing) return true;
    s.editing = false;
    const int column = s.activeColumn, row = s.activeRow;
    const std::string text = std::move(s.editText);
    s.editText.clear();
    const bool changed = s.editChanged;
    s.editChanged = false;
    const Entry entry = interpretTyped(control.model.type(column, row), text);
    HWND grid = control.window;
    if (!notifyCell(grid, kGridEditEnded, column, row)) return false;
    if (!changed || !entry.accepted || control.model.isLocked(column, row)) return true;
    // A combo item is kept with the item's own spelling.
    const bool item = control.model.typeCode(column, row) == kTypeCombo &&
                      entry.kind == ValueKind::Text;
    return writeByUser(control, column, row, item ? entry.text : text);
}

bool cancelEdit(SpreadControl& control) {
    SelectionState& s = control.model.selection();
    if (!s.editing) return true;
    s.editing = false;
    s.editText.clear();
    return notifyCell(control.window, kGridEditEnded, s.activeColumn, s.activeRow);
}

bool toggleCheck(SpreadControl& control, int column, int row) {
    SpreadModel& model = control.model;
    if (model.typeCode(column, row) != kTypeCheckBox || model.isLocked(column, row)) return true;
    const bool on = dataOf(model, column, row) != "1";
    if (!model.setData(column, row, on ? "1" : "0")) return true;
    HWND grid = control.window;
    return notifyCheck(grid, on) && notifyCell(grid, kGridChanged, column, row) &&
           notifyCell(grid, kGridValueChanged, column, row);
}

bool clearByUser(SpreadControl& control, int column, int row) {
    if (!canEdit(control, column, row)) return true;
    return writeByUser(control, column, row, std::string());
}

}  // namespace grid
