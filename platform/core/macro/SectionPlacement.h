#pragma once
// The texts the dialogs offer for where a section sits: its offset types and base planes.
// The dialog lists offset types by index; getDlgOffsetType and
// getProfOffsetType map between a placement's offset type and the dialog's index.
#include "core/Mdx_StringArray.h"

inline constexpr int kOffsetTypeCount = 9;

void getOffsetTypeStrings(Mdx_StringArray& items);
// The dialog index of an offset type; -1 for a type outside the list (or mixed).
int getDlgOffsetType(int offsetType);
// The offset type of a dialog index; -1 for an index outside the list.
int getProfOffsetType(int dialogIndex);
inline constexpr int kDefaultOffsetType = 0;

// Base plane items: 0 a named plane to pick, 1 none, 2 a picked coordinate system, 3 mixed.
inline constexpr int kPickedPlaneItem = 0;
inline constexpr int kNoPlaneItem = 1;
inline constexpr int kCoordSysItem = 2;
inline constexpr int kMixedPlaneItem = 3;
void getBasePlaneStrings(Mdx_StringArray& items);
// The plane name a picked coordinate system gets.
inline constexpr const char* kCoordSysPlaneName = "xp";
