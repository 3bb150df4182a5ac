#pragma once
// The two filters of the macro dialog, kept in the data's dialog state. The first lists the
// section groups of the data's section tabs: choosing one leaves only the section tabs that
// hold that group. The second lists the tabs the first one leaves: choosing one leaves only
// that tab. The first entry of each, "*", filters nothing. Choosing in the first list starts
// the second one afresh, since its entries depend on the first.
#include "core/Mdx_String.h"

class MacroData;

inline constexpr const char* kNoFilterItem = "*";

// Makes the entries of both lists from the data again; a chosen entry that is still there
// stays chosen, otherwise "*" is.
void fillFilterItems(MacroData& data);
// After the user chose in a list (the first when first): the other list as above. The
// selections are those already stored in the state.
void UpdateAllFilterModified(MacroData& data, bool first);
// Whether the tab of that index is shown under the chosen filters.
bool tabPassesFilters(const MacroData& data, int tabIndex);
