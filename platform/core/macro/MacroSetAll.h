#pragma once
// Writing the changes of every tab into the drawing at once, as after loading a property
// file: one transaction for all tabs, so a value one tab refuses leaves the drawing as it was.
#include <vector>

#include "core/Mdx_String.h"
#include "host/AcArray.h"

class MacroData;

// What changed in one tab, as MacroTabData::differences lists it.
struct MacroTabChanges {
    Mdx_String tab;
    AcArray<int> changed;
    AcArray<int> changedItems;
};

// The changes of every tab of data against the tab of the same name in before; tabs without
// changes are left out.
std::vector<MacroTabChanges> collectDifferences(const MacroData& before, const MacroData& data);

// Checks and writes the listed changes of every tab, recomputes what the modules derive and
// reads the tabs back. False, with the reason in data's updateError and the drawing as it
// was, when a value is refused or the drawing cannot be written.
bool setAllToMacro(MacroData& data, const std::vector<MacroTabChanges>& changes);
