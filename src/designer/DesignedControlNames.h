#pragma once
// Reads just enough of a design's control list to name its edit fields, without realising
// anything: for a designed page's variables, where the whole document is not needed.
#include "core/Mdx_StringArray.h"

class Mdx_PropertiesList;

namespace designer {

// The contents of every edit-field control (type 2) among the first nrOfControls, in list
// order. False, and names empty, when the count is not a number of controls.
bool controlNamesOf(const Mdx_PropertiesList& list, Mdx_StringArray& names);

}  // namespace designer
