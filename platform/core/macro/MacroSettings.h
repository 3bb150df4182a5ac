#pragma once
// The general settings of a macro, as its settings dialog edits them: which connections the
// macro is offered for (filters by angle, by section size and by distance along the path),
// its description, its variables, the section groups it accepts and its standards.
// GetMacroSettings and SetMacroSettings read and write the settings a macro keeps.
#include "core/Mdx_StringArray.h"
#include "core/macro/TabMappingData.h"
#include "host/AcDbObjectId.h"

class AcTransaction;
class Mdx_DbMacro;

struct MacroSettings {
    // Filters by angle between the connected sections.
    bool filterAngle90 = false;
    bool filterAngle180 = false;
    bool filterSectionAngle = false;
    Mdx_String angleTolerance = "1";
    // Filters by section size and by distance along the path.
    bool filterSectionSize = false;
    Mdx_String minSectionSize;
    Mdx_String maxSectionSize;
    bool filterPathDistance = false;
    Mdx_String maxPathDistance;
    // Description.
    Mdx_String description;
    Mdx_String author;
    // Variables of the macro: names and values as text.
    Mdx_StringArray variableNames;
    Mdx_StringArray variableValues;
    // Section groups the macro accepts; empty accepts every group.
    Mdx_StringArray sectionGroups;
    // Standards spreadsheets and their mapping.
    TabMappingData standards;

    // Borrowed by the settings dialog to offer the macro's objects; set by the caller.
    Mdx_DbMacro* dbMacro = nullptr;
    AcTransaction* transaction = nullptr;
};

// The settings kept for the macro (defaults for a macro that has none); false for a null id.
bool GetMacroSettings(AcDbObjectId macroId, MacroSettings& settings);
// Keeps settings for the macro (without the borrowed pointers); false for a null id.
bool SetMacroSettings(AcDbObjectId macroId, const MacroSettings& settings);
// Forgets every macro's settings (a new session).
void ClearMacroSettings();
