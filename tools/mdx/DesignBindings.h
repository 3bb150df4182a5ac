#pragma once
// What a designed control binds to in a macro's dialog data, and whether the tabs that will
// show the design have it: variables, patterns and the bolt values of bolt tabs, section
// groups, arrays (and their entries), cuts. The same look-ups the macro dialog makes when it
// realises the page, so a control reported here is one the dialog would drop or leave dead.
#include <string>
#include <vector>

#include "core/Mdx_String.h"

class MacroData;
class Mdx_DesignerControl;

// The tabs whose design is designName (ignoring case); every tab when none names it.
std::vector<int> tabsShowingDesign(const MacroData& data, const Mdx_String& designName);

// Problems of one control against those tabs ("the macro has no pattern P"); empty when
// everything it binds to is there. index numbers the control in the messages.
std::vector<std::string> bindingProblems(MacroData& data, const std::vector<int>& tabs,
                                         const Mdx_DesignerControl& control, int index);
