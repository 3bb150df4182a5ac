#pragma once
// The core's update of the drawing from the macro dialog's data. Each call checks the
// values it is handed, writes them into every macro of the data inside one transaction,
// recomputes what the modules derive, and reads the tabs back, so the dialog shows what the
// drawing now holds. A refused or failed update changes nothing in the drawing, returns
// false and leaves its reason in MacroData::updateError; the tabs keep the refused values
// for the caller to restore.
#include "core/Mdx_String.h"
#include "host/AcArray.h"

class MacroData;
class MacroTabData;

// The changes of the tab named tabName, as MacroTabData::differences lists them.
bool UpdateModule(const Mdx_String& tabName, MacroData& data, const AcArray<int>& changed,
                  const AcArray<int>& changedItems);
// Writes every tab, every variable included, again.
bool reApply(MacroData& data);
// The same checks UpdateModule makes, without writing: false and a message for the first
// value that the module would refuse.
bool validateTabChanges(const MacroTabData& tab, const AcArray<int>& changed,
                        const AcArray<int>& changedItems, std::string& message);
