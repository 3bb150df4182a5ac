#include "MacroEditReport.h"

#include <sstream>

#include "core/macro/MacroEditAccess.h"
#include "core/macro/MacroValueText.h"
#include "core/macro/Mdx_Module.h"

namespace {

const char* const kBounds[] = {"exact", "at least", "at most"};
const char* const kFlexibility[] = {"", "fixed", "rigid", "free"};
const char* const kCutTypes[] = {"straight", "polygon", "notch", "chamfer", "rounded", "cope"};

std::string text(const Mdx_String& value) {
    return value.toUtf8();
}

}  // namespace

std::string modulesReport(const EditConstrData& ctx) {
    std::ostringstream out;
    out << "Modules (" << ctx.moduleNames.length() << "):\n";
    for (const Mdx_String& name : ctx.moduleNames) out << "  " << text(name) << "\n";
    return out.str();
}

std::string constraintsReport(const EditConstrData& ctx) {
    std::ostringstream out;
    out << "Module " << text(ctx.currentModule) << ": " << ctx.constraints->rows.length()
        << " constraints\n";
    for (const ConstraintRow& row : ctx.constraints->rows) {
        out << "  " << text(row.cells[0]) << ": " << text(row.cells[1]) << " " << text(row.cells[2]);
        if (!row.cells[3].isEmpty()) out << " - " << text(row.cells[3]);
        if (row.editors.length() > 1)
            out << ", value \"" << text(row.valueText) << "\", variable \""
                << text(row.variableName) << "\", " << kBounds[row.choice];
        out << (row.check1 ? ", driving" : ", not driving");
        if (row.check2) out << ", shown";
        if (!row.radioSelections.isEmpty()) {
            out << ", options";
            for (int i = 0; i < row.radioSelections.length(); ++i)
                out << " " << row.radioSelections[i];
        }
        if (!row.cutName.isEmpty()) out << ", cut " << text(row.cutName);
        out << "\n";
    }
    out << "Objects:\n";
    for (const ObjectRow& row : ctx.objects->rows)
        out << "  " << text(row.texts[2]) << " (" << text(row.texts[0]) << " "
            << text(row.texts[1]) << "): " << kFlexibility[row.flexibility]
            << (row.constrained ? ", constrained" : "") << "\n";
    return out.str();
}

std::string variablesReport(const EditConstrData& ctx) {
    const MacroVarsData& vars = *ctx.variables;
    std::ostringstream out;
    out << "Module " << text(ctx.currentModule) << "\nVariables:\n";
    for (int i = 0; i < vars.names.length(); ++i)
        out << "  " << text(vars.names[i]) << " = " << text(exactNumberText(vars.values[i]))
            << " (type " << vars.types[i] << ")\n";
    out << "Dimension values:\n";
    for (int i = 0; i < vars.dimensionNames.length(); ++i)
        out << "  " << text(vars.dimensionNames[i]) << " = " << text(vars.dimensionValues[i])
            << "\n";
    out << "Equations:\n";
    for (const Mdx_String& line : vars.equations) out << "  " << text(line) << "\n";
    return out.str();
}

// The other part's macro by name and handle; a macro erased since is said to be gone.
std::string otherMacroText(AcTransaction& t, AcDbObjectId id) {
    Mdx_DbMacro* macro = nullptr;
    if (t.getObject(macro, id) != Acad::eOk || !macro->macro())
        return "other macro " + id.toText() + " (no longer in the drawing)";
    return "other macro \"" + text(macro->macro()->name()) + "\" (" + id.toText() + ")";
}

// Only what differs from a fresh cut's options, after a semicolon.
std::string cutOptionsText(const Mdx_CutOptions& o, AcTransaction& t) {
    std::string shown;
    auto add = [&shown](bool on, const std::string& what) {
        if (on) shown += (shown.empty() ? "; " : ", ") + what;
    };
    add(o.secondOption, "second option");
    add(o.check1323, "check 1323");
    add(o.check1325, "check 1325");
    add(o.check1326, "check 1326");
    add(!o.threeSegments, "not three segments");
    add(o.threeSegmentsSecond, "three segments second option");
    add(o.choice != 0, "choice " + std::to_string(o.choice));
    add(!o.variablePrefix.isEmpty(), "prefix \"" + text(o.variablePrefix) + "\"");
    add(o.otherPartSource == 2, "other part in another macro");
    add(!o.otherModule.isEmpty(), "other module \"" + text(o.otherModule) + "\"");
    if (!o.otherMacro.isNull()) add(true, otherMacroText(t, o.otherMacro));
    return shown;
}

std::string cutsReport(const EditConstrData& ctx) {
    std::ostringstream out;
    out << "Module " << text(ctx.currentModule) << "\nCuts:\n";
    macro_edit::readMacro(ctx.database, ctx.macroId, [&](const Mdx_Macro& macro, AcTransaction& t) {
        const Mdx_Module* module = macro.findModule(ctx.currentModule);
        if (!module) return;
        for (const Mdx_CutConstraint& cut : module->cuts()) {
            out << "  " << text(cut.name) << ": "
                << (cut.cutType >= 0 && cut.cutType < mdxCutTypeCount ? kCutTypes[cut.cutType]
                                                                        : "?");
            AcArray<int> offsets;
            getCutOffsets(cut.cutType, offsets);
            for (int type : offsets)
                out << " " << text(exactNumberText(cut.offsets[static_cast<std::size_t>(type)]
));
            out << cutOptionsText(cut.options, t) << "\n";
        }
    });
    return out.str();
}
