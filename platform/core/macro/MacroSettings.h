#pragma once
// The general settings of a macro, as its settings dialog edits them: which connections the
// macro is offered for (filters by angle, by section size and by distance along the path),
// its description, its variables, the section groups it accepts and its standards.
// GetMacroSettings and SetMacroSettings read and write the settings a macro object keeps in
// its drawing.
#include "core/Mdx_StringArray.h"
#include "core/macro/TabMappingData.h"
#include "host/AcDbObjectId.h"

class AcDbDatabase;
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

// The settings kept with the macro object in its drawing (defaults for a macro that has
// none yet). They are saved with the drawing.
void GetMacroSettings(const Mdx_DbMacro& macro, MacroSettings& settings);
// Keeps settings with the macro object (opened for write), without the borrowed pointers.
void SetMacroSettings(Mdx_DbMacro& macro, const MacroSettings& settings);

// The same through the database: false for a null database or an id that names no macro
// of it (settings are then left as they were). Set commits in a transaction of its own.
bool GetMacroSettings(AcDbDatabase* database, AcDbObjectId macroId, MacroSettings& settings);
bool SetMacroSettings(AcDbDatabase* database, AcDbObjectId macroId, const MacroSettings& settings);
