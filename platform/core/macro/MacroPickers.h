#pragma once
// The core's pickers in the drawing (other macros, a plane, a coordinate system) and its
// section chooser. The stand-in host has no drawing window to pick in, so each picker takes
// the next answer a test or scenario queued for it; with none queued the user cancelled.
#include "core/Mdx_String.h"

class MacroData;

namespace macro_pickers {
enum class Picker { OtherMacros, Plane, CoordSys, Section };
// For OtherMacros the answer is a macro's handle, for Plane a plane name, for CoordSys any
// text, for Section a section name (as the chooser returns it, perhaps with the library
// folder in front).
void queueAnswer(Picker picker, const Mdx_String& answer);
int queuedCount(Picker picker);
void clear();
}  // namespace macro_pickers

// Adds the picked macros to data; true when at least one was added.
bool SelectOtherMacros(MacroData& data);
bool UserSelectPlane(Mdx_String& plane);
bool selectCoordSys();
bool DlgSelectProf(const Mdx_String& initialName, Mdx_String& chosen);
