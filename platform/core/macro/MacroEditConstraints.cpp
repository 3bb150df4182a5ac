// The macro editor's calls on the constraints of a module.
#include <set>

#include "core/StringHelpers.h"
#include "core/Texts.h"
#include "core/macro/MacroEditAccess.h"
#include "core/macro/MacroEditing.h"

using namespace macro_edit;

namespace {

// Text numbers of the context menu entries, in order; index 2 is the separator.
constexpr int kMenuDriving = 9301;
constexpr int kMenuShown = 9302;
constexpr int kMenuSwap = 9303;

bool isVariableName(const Mdx_String& name) {
    return hasOnlyLettersNumbers(name) && !startsWithNumber(name);
}

bool usedByOther(const Mdx_Module& module, const Mdx_String& name, const Mdx_String& self) {
    for (const Mdx_Constraint& constraint : module.definition().constraints)
        if (!constraint.name.equal(self, false) && constraint.variable.equal(name, false))
            return true;
    return false;
}

bool optionsFit(int kind, const AcArray<int>& options) {
    const AcArray<int> groups = constraintOptionGroups(kind);
    if (options.length() != groups.length()) return false;
    for (int g = 0; g < groups.length(); ++g)
        if (options[g] < 1 || options[g] > groups[g]) return false;
    return true;
}

// The row's edits applied to the constraint; false when one is refused.
bool applyRow(const Mdx_Module& module, const ConstraintRow& row, Mdx_Constraint& constraint) {
    if (isMeasuringConstraint(constraint.kind)) {
        Mdx_String value = row.valueText;
        value.trim();
        Mdx_String variable = row.variableName;
        variable.trim();
        if (!value.isNumber()) return false;
        if (!variable.isEmpty() &&
            (!isVariableName(variable) || usedByOther(module, variable, constraint.name)))
            return false;
        if (row.choice < kBoundExact || row.choice > kBoundAtMost) return false;
        constraint.value = value;
        constraint.variable = variable;
        constraint.bound = row.choice;
    }
    if (!optionsFit(constraint.kind, row.radioSelections)) return false;
    Mdx_String cut = row.cutName;
    cut.trim();
    bool cutKnown = cut.isEmpty();
    for (const Mdx_CutConstraint& existing : module.cuts())
        if (existing.name.equal(cut, false)) cutKnown = true;
    if (!cutKnown) return false;
    constraint.cut = cut;
    constraint.options = row.radioSelections;
    constraint.driving = row.check1 != 0;
    constraint.shown = constraint.driving && row.check2 != 0;
    return true;
}

// Runs change on the stored constraint of the row, then rebuilds the rows.
template <class F>
bool changeConstraint(ConstraintTable& table, int row, F&& change) {
    if (!table.rows.isValidIndex(row)) return false;
    const Mdx_String name = table.rows[row].cells[0];
    const bool ok = changeMacro(table.source.database, table.source.macroId,
                                [&](Mdx_Macro& macro, AcTransaction&) {
                                    Mdx_Module* module = sourceModule(macro, table.source);
                                    if (!module) return false;
                                    Mdx_Constraint* constraint =
                                        module->definition().findConstraint(name);
                                    return constraint && change(*module, *constraint);
                                });
    if (ok) refreshConstraintRows(table);
    return ok;
}

}  // namespace

bool UpdateConstraint(ConstraintTable& table, int row) {
    if (!table.rows.isValidIndex(row)) return false;
    const ConstraintRow edited = table.rows[row];
    const bool ok = changeConstraint(table, row, [&](Mdx_Module& module, Mdx_Constraint& stored) {
        return applyRow(module, edited, stored);
    });
    // A refused edit must not stay in the table as if it were stored.
    if (!ok) refreshConstraintRows(table);
    return ok;
}

bool DeleteConstraint(ConstraintTable& table, int row) {
    if (!table.rows.isValidIndex(row)) return false;
    const Mdx_String name = table.rows[row].cells[0];
    const bool ok = changeMacro(table.source.database, table.source.macroId,
                                [&](Mdx_Macro& macro, AcTransaction&) {
                                    Mdx_Module* module = sourceModule(macro, table.source);
                                    if (!module) return false;
                                    auto& constraints = module->definition().constraints;
                                    for (int i = 0; i < constraints.length(); ++i)
                                        if (constraints[i].name.equal(name, false))
                                            return constraints.removeAt(i);
                                    return false;
                                });
    if (ok) refreshConstraintRows(table);
    return ok;
}

bool SortConstraints(ConstraintTable& table, int column, int secondColumn) {
    if (column < 1 || column > 4 || secondColumn < 0 || secondColumn > 4) return false;
    table.sortColumn = column;
    table.secondColumn = secondColumn;
    return refreshConstraintRows(table);
}

bool ConstrContextMenu(ConstraintTable& table, int row, Mdx_StringArray& items,
                       AcArray<int>& checked) {
    items.setEmpty();
    checked.setLogicalLength(0);
    if (!table.rows.isValidIndex(row)) return false;
    const ConstraintRow& shown = table.rows[row];
    items = {dialString(kMenuDriving), dialString(kMenuShown), "%BREAK%", dialString(kMenuSwap)};
    if (shown.check1) checked.append(0);
    if (shown.check2) checked.append(1);
    return true;
}

bool ContextMenuAction(ConstraintTable& table, int row, int entry) {
    return changeConstraint(table, row, [entry](Mdx_Module&, Mdx_Constraint& constraint) {
        switch (entry) {
            case 0:
                constraint.driving = !constraint.driving;
                if (!constraint.driving) constraint.shown = false;
                return true;
            case 1:
                if (!constraint.driving) return false;  // only a driving rule can be offered
                constraint.shown = !constraint.shown;
                return true;
            case 2:
                if (constraint.object2.isEmpty()) return false;
                std::swap(constraint.object1, constraint.object2);
                return true;
            default:
                return false;
        }
    });
}

bool VarNameInUse(const ConstraintTable& table, const Mdx_String& name, bool& inUse) {
    inUse = false;
    return readMacro(table.source.database, table.source.macroId,
                     [&](const Mdx_Macro& macro, AcTransaction&) {
                         const Mdx_Module* module = macro.findModule(table.source.module);
                         inUse = module && usedByOther(*module, name, Mdx_String());
                     });
}

namespace {
std::set<AcDbObjectId>& highlighted() {
    static std::set<AcDbObjectId> ids;
    return ids;
}
}  // namespace

void UnHighlightConstraints() {
    highlighted().clear();
}

bool HighlightObject(AcDbObjectId id) {
    if (id.isNull()) return false;
    highlighted().insert(id);
    return true;
}

bool UnHighlightObject(AcDbObjectId id) {
    return highlighted().erase(id) > 0;
}

AcArray<AcDbObjectId> highlightedObjects() {
    AcArray<AcDbObjectId> ids;
    for (AcDbObjectId id : highlighted()) ids.append(id);
    return ids;
}
