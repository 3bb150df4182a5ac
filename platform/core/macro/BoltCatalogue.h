#pragma once
// The bolt assemblies the core offers and the diameters of each, and the diameters merged for
// the macros a dialog edits. Diameters are texts in millimetres ("20").
#include "core/Mdx_StringArray.h"

class MacroData;

void GetAssemblies(Mdx_StringArray& assemblies);
// False, and an empty list, for an assembly the catalogue does not have.
bool GetDiameters(const Mdx_String& assembly, Mdx_StringArray& diameters);
// The diameters of the assemblies the bolt tabs of data use, each once, in ascending order;
// every diameter of the catalogue when no tab names an assembly (or they are mixed).
void GetMergedDiameters(const MacroData& data, Mdx_StringArray& diameters);
