#pragma once
// Internal to the window layer: the item list of combo and list boxes.
#include <string>
#include <vector>

#include "win/WindowRecord.h"

namespace win::detail {

// Index of the first item after start (wrapping round; -1 searches from the top) whose text
// begins with (or, when exact, equals) text, ignoring ASCII letter case; -1 when none.
int findItem(const std::vector<ListItem>& items, int start, const std::string& text, bool exact);
// Inserts at index (-1 = end), or in case-insensitive order when sorted; the index used.
int insertItem(std::vector<ListItem>& items, int index, const std::string& text, bool sorted);
// Copies item text into a caller's buffer; its length, or -1 for a bad index.
LRESULT copyItemText(const std::vector<ListItem>& items, WPARAM index, LPARAM buffer);

}  // namespace win::detail
