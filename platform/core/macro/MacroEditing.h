#pragma once
// The core's editing calls behind the macro editor. Each works on the drawing through its
// own transaction: a refused call changes nothing in the drawing and returns false. Calls
// that change what the pages show rebuild the context's tables afterwards.
#include "core/macro/EditConstrData.h"

// Reads the module names and builds the three tables for ctx.currentModule (empty tables
// when the macro has no such module). False when ctx names no macro of its database.
bool OpenEditContext(EditConstrData& ctx);

// Modules.
bool MacroGetModules(EditConstrData& ctx, Mdx_StringArray& names);
// False for a name the macro does not have; the context then stays as it was.
bool SetCurrentModule(EditConstrData& ctx, const Mdx_String& name);
// Lets the user pick another macro (a queued handle, see MacroPickers.h); true when one was
// chosen: the context then edits its first module.
bool SelectOtherMacro(EditConstrData& ctx);
// Renames the current module. Refused: an empty name, characters other than letters, digits
// and underscores, a name another module has.
bool RenameModule(EditConstrData& ctx, const Mdx_String& newName);
bool RemoveModule(EditConstrData& ctx, const Mdx_String& name);
// Codes 0 to 9 add a constraint of that kind between objects the user picks (two, one for a
// radius); 10 computes the module again; 11 adds a module; 12 places a bolt pattern and 13 a
// coordinate system at a picked position (MacroEditPlacing.h).
bool StartMacroCommand(EditConstrData& ctx, int code);
bool ZoomCommand();
int zoomCount();

// Constraints. row indexes table.rows; the stored constraint is found by the row's name.
// Writes the row's edited values. Refused: a value that is not a number, a variable name
// that is not a name or is used by another constraint, a choice or options out of range, a
// cut the module does not have.
bool UpdateConstraint(ConstraintTable& table, int row);
bool DeleteConstraint(ConstraintTable& table, int row);
// Orders the rows by column, then secondColumn (1 to 4, texts ignoring case).
bool SortConstraints(ConstraintTable& table, int column, int secondColumn);
// The entries of the row's context menu ("%BREAK%" for a separator) and the indices of the
// checked ones (separators not counted).
bool ConstrContextMenu(ConstraintTable& table, int row, Mdx_StringArray& items,
                       AcArray<int>& checked);
bool ContextMenuAction(ConstraintTable& table, int row, int entry);
// Whether some constraint of the table's module is driven by a variable of that name.
bool VarNameInUse(const ConstraintTable& table, const Mdx_String& name, bool& inUse);

// Highlighting in the drawing.
void UnHighlightConstraints();
bool HighlightObject(AcDbObjectId id);
bool UnHighlightObject(AcDbObjectId id);
AcArray<AcDbObjectId> highlightedObjects();

// Objects of the current module.
bool UpdateGeomFlexibility(EditConstrData& ctx, AcDbObjectId id, long value, int flexibility);
bool UpdateConstrGeom(EditConstrData& ctx, AcDbObjectId id, bool constrained);
// Renames the objects. Refused as a whole: an empty name, two objects of one name.
bool SetNameTags(EditConstrData& ctx, const AcArray<AcDbObjectId>& ids,
                 const Mdx_StringArray& names);

// Writes ctx.variables (names, values, types; rows with an empty name are left out) and the
// equations into the current module. Refused as a whole: a name that is not a name, a name
// twice, a type out of range, arrays of different lengths.
bool UpdateVarsEqs(EditConstrData& ctx);
