#pragma once
// The core's update of the drawing from the macro dialog's data. Each call checks the
// values it is handed, writes them into every macro of the data inside one transaction,
// recomputes what the modules derive, and reads the tabs back, so the dialog shows what the
// drawing now holds. A refused or failed update changes nothing in the drawing, returns
// false and leaves its reason in MacroData::updateError; the tabs keep the refused values
// for the caller to restore.
#include "core/Mdx_String.h"
#include "host/AcArray.h"
#include "host/AcadErrorStatus.h"

class MacroData;
class MacroTabData;

// Longest member name (and plane name) and material a profile takes.
inline constexpr int kMaxMemberNameLength = 64;
inline constexpr int kMaxMaterialLength = 32;

// The changes of the tab named tabName, as MacroTabData::differences lists them.
bool UpdateModule(const Mdx_String& tabName, MacroData& data, const AcArray<int>& changed,
                  const AcArray<int>& changedItems);
// Writes every tab, every variable included, again.
bool reApply(MacroData& data);
// The same checks UpdateModule makes, without writing: false and a message for the first
// value that the module would refuse.
bool validateTabChanges(const MacroTabData& tab, const AcArray<int>& changed,
                        const AcArray<int>& changedItems, std::string& message);

// The object-type code of UpdateModuleForGroup: the profiles of one group.
inline constexpr int kProfilesOfGroup = -13;
// Updates the module for the profile group named group. For kProfilesOfGroup every member of
// the group takes the group's properties (those that are set), each is checked as
// UpdateModule checks them, written into the drawing, and the tabs are read back. Refused,
// with the reason in updateError and the data as it was before: eInvalidInput for no codes, a
// code other than kProfilesOfGroup or properties the profiles cannot take, eObjectNotFound
// for a group no tab has, eUnavailable for data that belongs to no drawing.
Acad::ErrorStatus UpdateModuleForGroup(const Mdx_String& group, MacroData& data,
                                       const AcArray<int>& objectTypes);
