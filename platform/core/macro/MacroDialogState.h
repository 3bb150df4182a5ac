#pragma once
// What the macro dialog keeps inside its MacroData between openings and hands back to the
// caller: the tab shown, the title, the two filters, the group choice, the view direction
// and whether the window was closed.
#include "core/Mdx_StringArray.h"

struct MacroDialogState {
    Mdx_String currentTab;        // name of the tab shown last
    bool openSectionDialog = false;  // the start flag: a section tab opens its dialog at once
    bool closed = false;          // the dialog of this data was closed
    Mdx_String title;
    Mdx_StringArray filterItems[2];
    int filterSelection[2] = {0, 0};
    Mdx_StringArray groups;       // macro groups the data was chosen by
    int currentGroup = -1;
    int viewDirection = 3;        // the last view direction asked for (0 to 3)
    bool clashChecking = true;
};
