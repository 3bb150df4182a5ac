// The tables the macro editor's pages show, built from the module in the drawing.
#include <algorithm>

#include "core/macro/MacroEditAccess.h"
#include "core/macro/MacroEditing.h"
#include "core/macro/MacroValueText.h"
#include "core/macro/Mdx_BoltModule.h"
#include "core/macro/Mdx_DbPattern.h"
#include "core/macro/Mdx_DbProfile.h"

namespace macro_edit {

namespace {

const char* const kKindTexts[mdxConstraintKindCount] = {
    "Parallel",   "Perpendicular", "Coincident", "Symmetric", "Tangent",
    "Concentric", "Equal radius",  "Distance",   "Angle",     "Radius"};
const char* const kKindImages[mdxConstraintKindCount] = {
    "Parallel", "Perpendicular", "Coincident", "Symmetric", "Tangent",
    "Concentric", "EqualRadius", "Distance", "Angle", "Radius"};

// One image per option, the groups parted by "%radioBreak%".
Mdx_StringArray optionImages(int kind) {
    Mdx_StringArray images;
    const AcArray<int> groups = constraintOptionGroups(kind);
    for (int g = 0; g < groups.length(); ++g) {
        if (g > 0) images.append("%radioBreak%");
        for (int k = 1; k <= groups[g]; ++k)
            images.append(Mdx_String::format("%sOption%d%d.bmp", kKindImages[kind], g + 1, k));
    }
    return images;
}

ConstraintRow rowOf(const Mdx_Constraint& constraint) {
    ConstraintRow row;
    row.cells = {constraint.name, constraintKindText(constraint.kind), constraint.object1,
                 constraint.object2};
    row.cutName = constraint.cut;
    row.cutEditable = constraint.cut.isEmpty() ? 0 : 1;
    row.images = optionImages(constraint.kind);
    if (isMeasuringConstraint(constraint.kind)) {
        row.editors = {kEditorValue, kEditorVariable, kEditorChoice, kEditorChecks};
        row.choices = {"Exact", "At least", "At most"};
    } else {
        row.editors = {kEditorChecks};
    }
    row.valueText = constraint.value;
    row.variableName = constraint.variable;
    row.choice = constraint.bound;
    row.check1 = constraint.driving ? 1 : 0;
    row.check2 = constraint.shown ? 1 : 0;
    row.radioSelections = constraint.options;
    return row;
}

bool rowBefore(const ConstraintRow& a, const ConstraintRow& b, int column, int second) {
    for (int c : {column, second}) {
        if (c < 1 || c > a.cells.length() || c > b.cells.length()) continue;
        const int order = a.cells[c - 1].compare(b.cells[c - 1], false);
        if (order != 0) return order < 0;
    }
    return false;
}

Mdx_String sectionOf(AcTransaction& transaction, AcDbObjectId id) {
    Mdx_DbProfile* profile = nullptr;
    if (transaction.getObject(profile, id) != Acad::eOk) return {};
    return profile->sectionName;
}

Mdx_String pointText(const Mdx_Point3& point) {
    return exactNumberText(point[0]) + ", " + exactNumberText(point[1]) + ", " +
           exactNumberText(point[2]);
}

ObjectRow settingRow(const Mdx_Module& module, const Mdx_String& name) {
    ObjectRow row;
    row.texts[2] = name;
    const Mdx_ObjectSetting setting = module.definition().objectSetting(name);
    row.flexibility = setting.flexibility;
    row.constrained = setting.constrained ? 1 : 0;
    return row;
}

// The bolt patterns are objects of the module like its profiles: named, highlighted and
// made flexible by their object id; the second text is where the pattern starts.
void appendPatterns(const Mdx_Module& module, AcTransaction& transaction, ObjectTable& table) {
    const auto* bolts = dynamic_cast<const Mdx_BoltModule*>(&module);
    if (!bolts) return;
    for (const AcDbObjectId& id : bolts->patternIds()) {
        Mdx_DbPattern* pattern = nullptr;
        if (transaction.getObject(pattern, id) != Acad::eOk) continue;
        ObjectRow row = settingRow(module, pattern->name());
        row.texts[0] = "Bolt pattern";
        row.texts[1] = pointText(pattern->origin());
        row.id = id;
        table.rows.append(row);
    }
}

// A coordinate system is no object of the drawing (its id stays null): it is listed with
// its point, and a fixed reference, so the page offers no flexibility or renaming for it.
void appendCoordSystems(const Mdx_Module& module, ObjectTable& table) {
    for (const Mdx_CoordSystem& system : module.definition().coordSystems) {
        ObjectRow row;
        row.texts[0] = "Coordinate system";
        row.texts[1] = pointText(system.origin);
        row.texts[2] = system.name;
        row.flexibility = kFlexFixed;
        table.rows.append(row);
    }
}

void buildObjects(const Mdx_Module* module, AcTransaction& transaction, ObjectTable& table) {
    table.rows.setEmpty();
    if (!module) return;
    for (const Mdx_NamedPrpl& prpl : module->prpls()) {
        ObjectRow row;
        const Mdx_String section = sectionOf(transaction, prpl.id);
        row.texts[0] = section.startsWith("PL", false) ? "Plate" : "Profile";
        row.texts[1] = section;
        row.texts[2] = prpl.name;
        const Mdx_ObjectSetting setting = module->definition().objectSetting(prpl.name);
        row.flexibility = setting.flexibility;
        row.constrained = setting.constrained ? 1 : 0;
        row.id = prpl.id;
        table.rows.append(row);
    }
    appendPatterns(*module, transaction, table);
    appendCoordSystems(*module, table);
}

void buildVariables(const Mdx_Module* module, MacroVarsData& vars) {
    vars = MacroVarsData();
    if (!module) return;
    for (const Mdx_DialogVariable& variable : module->dialogVariables()) {
        vars.names.append(variable.name);
        vars.values.append(variable.value);
        vars.types.append(static_cast<short>(module->definition().variableType(variable.name)));
    }
    for (const Mdx_Constraint& constraint : module->definition().constraints) {
        if (!isMeasuringConstraint(constraint.kind) || constraint.variable.isEmpty()) continue;
        vars.dimensionNames.append(constraint.variable);
        vars.dimensionValues.append(constraint.value);
    }
    vars.equations = module->definition().equations;
}

}  // namespace

Mdx_String constraintKindText(int kind) {
    return kind >= 0 && kind < mdxConstraintKindCount ? kKindTexts[kind] : "";
}

Mdx_Module* sourceModule(Mdx_Macro& macro, const EditSource& source) {
    return macro.findModuleWrite(source.module);
}

void buildConstraintRows(const Mdx_Module* module, ConstraintTable& table) {
    const Mdx_String selected =
        table.rows.isValidIndex(table.selectedRow) ? table.rows[table.selectedRow].cells[0] : "";
    table.rows.setEmpty();
    if (module)
        for (const Mdx_Constraint& constraint : module->definition().constraints)
            table.rows.append(rowOf(constraint));
    if (table.sortColumn > 0)
        std::stable_sort(table.rows.begin(), table.rows.end(),
                         [&table](const ConstraintRow& a, const ConstraintRow& b) {
                             return rowBefore(a, b, table.sortColumn, table.secondColumn);
                         });
    table.selectedRow = table.rows.isEmpty() ? -1 : 0;
    for (int i = 0; i < table.rows.length(); ++i)
        if (!selected.isEmpty() && table.rows[i].cells[0].equal(selected, false))
            table.selectedRow = i;
}

bool refreshConstraintRows(ConstraintTable& table) {
    return readMacro(table.source.database, table.source.macroId,
                     [&table](const Mdx_Macro& macro, AcTransaction&) {
                         buildConstraintRows(macro.findModule(table.source.module), table);
                     });
}

bool refreshTables(EditConstrData& ctx) {
    return readMacro(ctx.database, ctx.macroId, [&ctx](const Mdx_Macro& macro, AcTransaction& t) {
        macro.getModuleNames(ctx.moduleNames);
        const Mdx_Module* module = macro.findModule(ctx.currentModule);
        ctx.constraints->source = {ctx.database, ctx.macroId, ctx.currentModule};
        buildConstraintRows(module, *ctx.constraints);
        buildObjects(module, t, *ctx.objects);
        buildVariables(module, *ctx.variables);
    });
}

}  // namespace macro_edit

bool OpenEditContext(EditConstrData& ctx) {
    return macro_edit::refreshTables(ctx);
}
