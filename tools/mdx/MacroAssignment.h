#pragma once
// One NAME=VALUE of mdx macro set, applied to a tab of the macro dialog's data as a page
// would change it. Names are "TAB.VARIABLE", "TAB.bolt.SETTING", "TAB.PATTERN.count1|count2|
// spacing", "TAB.CUT.type", "TAB.GROUP.section|rotation|offset|plane|member",
// "TAB.ARRAY.value1..5", "TAB.block" and "TAB.segments" (LENGTH:SECTION;...); letter case
// does not matter.
#include <string>

#include "core/Mdx_String.h"

class MacroData;
class MacroTabData;

struct MacroAssignment {
    Mdx_String tab;
    Mdx_String item;      // variable, pattern, cut, group or array; "bolt" or "block"
    Mdx_String property;  // empty for a variable and a block
    Mdx_String value;
};

// False and a message for text without "=" or a name of fewer than two parts.
bool parseMacroAssignment(const std::string& text, MacroAssignment& assignment,
                          std::string& message);
// Changes the tab; false and a message when it has no such item or property, or the value
// does not fit the property's kind (a number where one is needed).
bool assignToTab(MacroTabData& tab, const MacroAssignment& assignment, std::string& message);
