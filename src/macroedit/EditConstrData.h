#pragma once
// The editing context of the macro editor: which macro and module are edited and the tables
// its pages show. The tables belong to the core library; the record only refers to them, so
// copies of the record share them.
#include "core/Mdx_StringArray.h"
#include "host/AcArray.h"
#include "host/AcDbObjectId.h"

// One geometric rule between objects of the macro, as a row of the constraint page.
struct ConstraintRow {
    Mdx_StringArray cells;
    int cutEditable = 0;  // 1: the row's cut can be edited
    // Option-button images; "%radioBreak%" separates the two radio groups.
    Mdx_StringArray images;
    AcArray<int> editors;  // 0 value text, 1 variable name, 2 choice list, 3 two check boxes
    Mdx_String valueText;
    Mdx_String variableName;
    Mdx_StringArray choices;
    int choice = 0;
    unsigned char check1 = 0;
    unsigned char check2 = 0;
    AcArray<int> radioSelections;
};

struct ConstraintTable {
    Mdx_Array<ConstraintRow> rows;
    int selectedRow = -1;  // the row selected when the table was built
};

// One object of the macro, as a row of the object page.
struct ObjectRow {
    Mdx_String texts[3];
    Mdx_String fourthText;
    int flexibility = 0;
    int constrained = 0;
    AcDbObjectId id;
    long flexibilityTag = 0;
};

struct ObjectTable {
    Mdx_Array<ObjectRow> rows;
};

class EditConstrData {
public:
    virtual ~EditConstrData() = default;

    AcDbObjectId macroId;
    Mdx_String currentModule;
    Mdx_StringArray moduleNames;
    ConstraintTable* constraints = nullptr;
    ObjectTable* objects = nullptr;
};
