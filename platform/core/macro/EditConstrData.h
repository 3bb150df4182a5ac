#pragma once
// The editing context of the macro editor: which macro and module are edited and the tables
// its pages show. The core builds the tables from the drawing (MacroEditing.h) and owns
// them; copies of the record share them.
#include <memory>

#include "core/Mdx_StringArray.h"
#include "host/AcArray.h"
#include "host/AcDbObjectId.h"

class AcDbDatabase;

// Where a table came from: the module of a macro of a drawing.
struct EditSource {
    AcDbDatabase* database = nullptr;
    AcDbObjectId macroId;
    Mdx_String module;
};

// One geometric rule between objects of the macro, as a row of the constraint page.
struct ConstraintRow {
    Mdx_StringArray cells;  // name, kind, first object, second object
    int cutEditable = 0;    // 1: the row's cut can be edited
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
    Mdx_String cutName;
};

inline constexpr int kEditorValue = 0;
inline constexpr int kEditorVariable = 1;
inline constexpr int kEditorChoice = 2;
inline constexpr int kEditorChecks = 3;

struct ConstraintTable {
    EditSource source;
    Mdx_Array<ConstraintRow> rows;
    int selectedRow = -1;  // the row selected when the table was built
    // The order the rows are shown in: by these columns (1 to 4), 0 for the stored order.
    int sortColumn = 0;
    int secondColumn = 0;
};

// One object of the macro, as a row of the object page.
struct ObjectRow {
    Mdx_String texts[3];  // kind, section, name
    Mdx_String fourthText;
    int flexibility = 0;
    int constrained = 0;
    AcDbObjectId id;
    long flexibilityTag = 0;
};

struct ObjectTable {
    Mdx_Array<ObjectRow> rows;
};

// The variables page: variables with their types, the values of the measuring constraints
// (shown, not edited) and the equations.
struct MacroVarsData {
    Mdx_StringArray names;
    AcArray<double> values;
    AcArray<short> types;
    Mdx_StringArray dimensionNames;
    Mdx_StringArray dimensionValues;
    Mdx_StringArray equations;
};

class EditConstrData {
public:
    virtual ~EditConstrData() = default;

    AcDbDatabase* database = nullptr;
    AcDbObjectId macroId;
    Mdx_String currentModule;
    Mdx_StringArray moduleNames;
    std::shared_ptr<ConstraintTable> constraints = std::make_shared<ConstraintTable>();
    std::shared_ptr<ObjectTable> objects = std::make_shared<ObjectTable>();
    std::shared_ptr<MacroVarsData> variables = std::make_shared<MacroVarsData>();
};
