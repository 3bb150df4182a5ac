#pragma once
// The one place that says how text written into a cell becomes its value, and how the data
// text (what the cell shows) and the value text (the unformatted value) read back, for
// every cell type. docs/cell-types.md states the same rules for people.
#include <string>
#include <string_view>
#include <vector>

#include "grid/CellType.h"
#include "grid/CellValue.h"

namespace grid {

// Data: the text as a person would type it ("1,234.50"); Value: the plain value ("1234.5").
enum class EntryForm { Data, Value };

struct Entry {
    bool accepted = false;  // false: the text does not fit the type, the cell keeps its value
    ValueKind kind = ValueKind::Empty;
    double number = 0;
    std::string text;
};

Entry interpretEntry(const CellType& type, std::string_view text, EntryForm form);
std::string dataText(const CellType& type, const CellValue& value);
std::string valueText(const CellType& type, const CellValue& value);

// Typing into a cell, as the cell editor does it. Static, button, picture and check cells
// take no typed text (a check box is toggled instead); number cells take only the
// characters a number is written with; edit cells stop at their maximum length; a combo
// cell that is not editable takes only one of its items (letter case ignored, the item's
// own spelling kept).
bool takesTyping(const CellType& type);
bool typingAccepts(const CellType& type, std::string_view current, char c);
Entry interpretTyped(const CellType& type, std::string_view text);
// The items of a combo cell, in order.
std::vector<std::string_view> comboItems(const CellType& type);

// A number with a fixed count of decimals, optionally with thousands separators.
std::string fixedNumber(double value, int decimals, bool separator);

}  // namespace grid
