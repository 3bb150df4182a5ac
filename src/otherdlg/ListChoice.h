#pragma once
// A list box of a dialog as a choice of one entry among texts: the selection dialogs of this
// folder fill one and read back which entry the user took.
#include "core/Mdx_StringArray.h"

class CWnd;

namespace list_choice {

// Fills the list with the items in order and selects selection (none outside the items).
void fill(CWnd& dialog, int listId, const Mdx_StringArray& items, int selection);
// The selected entry, -1 for none.
int selected(const CWnd& dialog, int listId);

}  // namespace list_choice
