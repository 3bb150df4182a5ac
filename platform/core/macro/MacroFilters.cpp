#include "core/macro/MacroFilters.h"

#include "core/macro/MacroData.h"

namespace {

bool holdsGroup(const MacroTabData& tab, const Mdx_String& group) {
    if (tab.kind != MacroTabData::kSectionTab) return false;
    for (const MacroProfData& props : tab.profGroups())
        if (props.groupName.equal(group, false)) return true;
    return false;
}

// The chosen entry's text; empty for "*" or a selection outside the entries.
Mdx_String chosen(const MacroDialogState& state, int filter) {
    const Mdx_StringArray& items = state.filterItems[filter];
    const int selection = state.filterSelection[filter];
    if (selection <= 0 || !items.isValidIndex(selection)) return {};
    return items[selection];
}

bool passesFirst(const MacroData& data, const MacroTabData& tab) {
    const Mdx_String group = chosen(data.dialogState(), 0);
    return group.isEmpty() || holdsGroup(tab, group);
}

void appendOnce(Mdx_StringArray& items, const Mdx_String& item) {
    for (const Mdx_String& present : items)
        if (present.equal(item, false)) return;
    items.append(item);
}

// The entries of the list, with the entry chosen before chosen again when it is still there.
void setItems(MacroDialogState& state, int filter, const Mdx_StringArray& items) {
    const Mdx_String before = chosen(state, filter);
    state.filterItems[filter] = items;
    state.filterSelection[filter] = 0;
    for (int i = 1; i < items.length(); ++i)
        if (!before.isEmpty() && items[i].equal(before, false)) state.filterSelection[filter] = i;
}

void fillSecond(MacroData& data) {
    Mdx_StringArray tabs;
    tabs.append(kNoFilterItem);
    for (int t = 0; t < data.tabCount(); ++t)
        if (passesFirst(data, *data.getTab(t))) appendOnce(tabs, data.getTab(t)->name);
    setItems(data.dialogState(), 1, tabs);
}

}  // namespace

void fillFilterItems(MacroData& data) {
    Mdx_StringArray groups;
    groups.append(kNoFilterItem);
    for (int t = 0; t < data.tabCount(); ++t) {
        const MacroTabData& tab = *data.getTab(t);
        if (tab.kind != MacroTabData::kSectionTab) continue;
        for (const MacroProfData& props : tab.profGroups())
            if (!props.groupName.isEmpty()) appendOnce(groups, props.groupName);
    }
    setItems(data.dialogState(), 0, groups);
    fillSecond(data);
}

void UpdateAllFilterModified(MacroData& data, bool first) {
    if (first) data.dialogState().filterSelection[1] = 0;
    fillFilterItems(data);
}

bool tabPassesFilters(const MacroData& data, int tabIndex) {
    const MacroTabData* tab = data.getTab(tabIndex);
    if (!tab || !passesFirst(data, *tab)) return false;
    const Mdx_String name = chosen(data.dialogState(), 1);
    return name.isEmpty() || tab->name.equal(name, false);
}
