#pragma once
// Applying one tab after its values changed, the same for a page of the macro dialog and for
// the command line: the differences against the tab as it was are handed to UpdateModule;
// on success the clash check runs. A refused update puts the tab's values back as they were
// (so the page shows what the drawing holds) and the result says why.
#include <string>

#include "core/Mdx_StringArray.h"

class MacroData;
class MacroTabData;

struct MacroApplyResult {
    bool applied = false;      // something was handed to the update and it succeeded
    bool refused = false;      // the update refused; the tab was restored
    std::string reason;        // why it was refused
    Mdx_StringArray changed;   // names of what changed
    int clashes = 0;
};

// tabIndex names the tab of data that changed; before is a copy of it from before the change.
MacroApplyResult applyTabChanges(MacroData& data, int tabIndex, const MacroTabData& before,
                                 const void* clashOwner = nullptr);
