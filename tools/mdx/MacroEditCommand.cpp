#include "MacroEditCommand.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "EvaluateError.h"
#include "MacroCutChanges.h"
#include "MacroEditDrawing.h"
#include "MacroEditReport.h"
#include "core/macro/DlgMacroCutsData.h"
#include "core/macro/MacroEditPickers.h"
#include "core/macro/MacroCutRecord.h"
#include "core/macro/MacroEditPlacing.h"
#include "core/macro/MacroEditing.h"
#include "core/macro/Mdx_Constraint.h"

namespace {

const char* const kExitCodes =
    "Exit codes (nothing is written after an error):\n"
    "  0  done\n"
    "  2  an argument is malformed or names nothing the macro has\n"
    "  3  the drawing is missing or unreadable\n"
    "  4  the drawing is malformed\n"
    "  5  unknown macro\n"
    "  8  the macro refused a change\n"
    "  9  the drawing could not be written (it is as it was)";

constexpr int kBadArgument = 2;
constexpr int kRefused = 8;

struct EditOptions {
    std::string drawing;
    std::string macro;
    std::string module;
    std::vector<std::string> assignments;
    std::vector<std::string> add;
    int addModules = 0;
    std::vector<std::string> rename;
    std::vector<std::string> remove;
    std::string sort;
    std::vector<std::string> equations;
    bool clearEquations = false;
    std::vector<std::string> inUse;
    std::vector<std::string> objects;
    std::vector<std::string> removeObjects;
    std::vector<std::string> values;
    bool write = false;
};

// A refusal of the command's own arguments (exit 2) or of the macro (exit 8).
struct Refusal {
    int exit;
    std::string message;
};

bool splitAt(const std::string& text, char separator, std::string& before, std::string& after) {
    const auto at = text.find(separator);
    if (at == std::string::npos) return false;
    before = text.substr(0, at);
    after = text.substr(at + 1);
    return true;
}

Mdx_String mdx(const std::string& text) {
    return Mdx_String::fromUtf8(text);
}

void finish(MacroEditDrawing& drawing, const EditOptions& options, const std::string& report) {
    std::cout << report;
    if (!options.write) return;
    drawing.save();
    std::cout << "Written: " << options.drawing << "\n";
}

void modules(MacroEditDrawing& drawing, const EditOptions& options) {
    EditConstrData ctx = drawing.context("");
    for (int i = 0; i < options.addModules; ++i)
        if (!StartMacroCommand(ctx, 11)) throw Refusal{kRefused, "no module could be added"};
    for (const std::string& rename : options.rename) {
        std::string from, to;
        if (!splitAt(rename, '=', from, to)) throw Refusal{kBadArgument, "--rename takes OLD=NEW"};
        if (!SetCurrentModule(ctx, mdx(from)))
            throw Refusal{kBadArgument, "the macro has no module \"" + from + "\""};
        if (!RenameModule(ctx, mdx(to)))
            throw Refusal{kRefused, "\"" + to + "\" cannot be the name of module \"" + from +
                                        "\" (a name of letters, digits and underscores that "
                                        "starts with a letter, and that no other module has)"};
    }
    for (const std::string& name : options.remove)
        if (!RemoveModule(ctx, mdx(name)))
            throw Refusal{kBadArgument, "the macro has no module \"" + name + "\""};
    finish(drawing, options, modulesReport(ctx));
}

int kindOf(const std::string& name) {
    static const char* const kinds[] = {"parallel",   "perpendicular", "coincident", "symmetric",
                                        "tangent",    "concentric",    "equalradius", "distance",
                                        "angle",      "radius"};
    for (int k = 0; k < mdxConstraintKindCount; ++k)
        if (mdx(name).equal(kinds[k], false)) return k;
    return -1;
}

void addConstraints(EditConstrData& ctx, const std::vector<std::string>& additions) {
    for (const std::string& addition : additions) {
        std::string kind, objects, first, second;
        if (!splitAt(addition, ':', kind, objects) || kindOf(kind) < 0)
            throw Refusal{kBadArgument, "--add takes KIND:OBJECT[,OBJECT] with a kind such as "
                                        "distance or parallel: \"" + addition + "\""};
        if (!splitAt(objects, ',', first, second)) first = objects;
        macro_edit_pickers::clear();
        macro_edit_pickers::queue(macro_edit_pickers::Pick::Object, mdx(first));
        if (!second.empty()) macro_edit_pickers::queue(macro_edit_pickers::Pick::Object, mdx(second));
        if (!StartMacroCommand(ctx, kindOf(kind)))
            throw Refusal{kRefused, "the constraint \"" + addition +
                                        "\" was refused: its objects must be objects of the "
                                        "module or Prof0, Prof1, ..."};
    }
    macro_edit_pickers::clear();
}

int rowNamed(const EditConstrData& ctx, const std::string& name) {
    for (int i = 0; i < ctx.constraints->rows.length(); ++i)
        if (ctx.constraints->rows[i].cells[0].equal(mdx(name), false)) return i;
    throw Refusal{kBadArgument, "the module has no constraint \"" + name + "\""};
}

bool setField(ConstraintRow& row, const std::string& field, const std::string& value) {
    const Mdx_String text = mdx(value);
    if (field == "value") row.valueText = text;
    else if (field == "variable") row.variableName = text;
    else if (field == "cut") row.cutName = text;
    else if (field == "bound") {
        const char* bounds[] = {"exact", "atleast", "atmost"};
        row.choice = -1;
        for (int b = 0; b < 3; ++b)
            if (text.equal(bounds[b], false)) row.choice = b;
    } else if (field == "driving" || field == "shown") {
        if (value != "0" && value != "1") return false;
        (field == "driving" ? row.check1 : row.check2) = value == "1" ? 1 : 0;
    } else if ((field == "option1" || field == "option2") && text.isNumber()) {
        const int group = field == "option1" ? 0 : 1;
        if (group >= row.radioSelections.length()) return false;
        row.radioSelections[group] = text.toInt();
    } else
        return false;
    return true;
}

void editConstraint(EditConstrData& ctx, const std::string& assignment) {
    std::string target, value, name, field;
    if (!splitAt(assignment, '=', target, value) || !splitAt(target, '.', name, field))
        throw Refusal{kBadArgument, "constraint changes are NAME.FIELD=VALUE: \"" + assignment + "\""};
    const int row = rowNamed(ctx, name);
    if (!setField(ctx.constraints->rows[row], field, value))
        throw Refusal{kBadArgument, "\"" + assignment + "\": fields are value, variable, bound "
                                    "(exact, atleast, atmost), driving, shown (0 or 1), option1, "
                                    "option2, cut"};
    if (!UpdateConstraint(*ctx.constraints, row))
        throw Refusal{kRefused, "the macro refused \"" + assignment +
                                    "\" (a value must be a number, a variable a name no other "
                                    "constraint uses, an option within its group, a cut one of "
                                    "the module's)"};
}

const ObjectRow& objectNamed(const EditConstrData& ctx, const std::string& name) {
    for (const ObjectRow& row : ctx.objects->rows)
        if (row.texts[2].equal(mdx(name), false)) {
            if (row.id.isNull())
                throw Refusal{kBadArgument, "\"" + name + "\" is a coordinate system, a fixed "
                                            "reference that cannot be changed"};
            return row;
        }
    throw Refusal{kBadArgument, "the module has no object \"" + name + "\""};
}

// As the object page: flexibility, constrained and the name of a profile, plate or pattern.
void editObject(EditConstrData& ctx, const std::string& assignment) {
    std::string target, value, name, field;
    if (!splitAt(assignment, '=', target, value) || !splitAt(target, '.', name, field))
        throw Refusal{kBadArgument, "object changes are OBJECT.FIELD=VALUE: \"" + assignment + "\""};
    const ObjectRow row = objectNamed(ctx, name);
    bool ok = false;
    if (field == "flexibility") {
        const char* levels[] = {"fixed", "rigid", "free"};
        int level = 0;
        for (int l = 0; l < 3; ++l)
            if (mdx(value).equal(levels[l], false)) level = l + 1;
        if (level == 0) throw Refusal{kBadArgument, "flexibility is fixed, rigid or free"};
        ok = UpdateGeomFlexibility(ctx, row.id, row.flexibilityTag, level);
    } else if (field == "constrained") {
        if (value != "0" && value != "1") throw Refusal{kBadArgument, "constrained is 0 or 1"};
        ok = UpdateConstrGeom(ctx, row.id, value == "1");
    } else if (field == "name") {
        ok = SetNameTags(ctx, {row.id}, {mdx(value)});
    } else {
        throw Refusal{kBadArgument, "\"" + assignment + "\": object fields are flexibility, "
                                    "constrained and name"};
    }
    if (!ok)
        throw Refusal{kRefused, "the macro refused \"" + assignment +
                                    "\" (an object's name is not empty and no other object "
                                    "of the module has it)"};
}

// As the object page's context menu: a placed bolt pattern or coordinate system goes.
void removePlaced(EditConstrData& ctx, const std::string& name) {
    Mdx_String usedBy;
    if (RemovePlacedObject(ctx, mdx(name), usedBy)) return;
    if (!usedBy.isEmpty())
        throw Refusal{kRefused, "the object \"" + name + "\" is used by the constraint \"" +
                                    usedBy.toUtf8() + "\""};
    throw Refusal{kBadArgument, "the module has no placed bolt pattern or coordinate system \"" +
                                    name + "\""};
}

void constraints(MacroEditDrawing& drawing, const EditOptions& options) {
    EditConstrData ctx = drawing.context(options.module);
    for (const std::string& assignment : options.objects) editObject(ctx, assignment);
    for (const std::string& name : options.removeObjects) removePlaced(ctx, name);
    addConstraints(ctx, options.add);
    for (const std::string& assignment : options.assignments) editConstraint(ctx, assignment);
    for (const std::string& name : options.remove)
        DeleteConstraint(*ctx.constraints, rowNamed(ctx, name));
    if (!options.sort.empty()) {
        std::string first, second = "0";
        if (!splitAt(options.sort, ',', first, second)) first = options.sort;
        if (!mdx(first).isNumber() || !mdx(second).isNumber() ||
            !SortConstraints(*ctx.constraints, mdx(first).toInt(), mdx(second).toInt()))
            throw Refusal{kBadArgument, "--sort takes COLUMN[,COLUMN] with columns 1 to 4"};
    }
    finish(drawing, options, constraintsReport(ctx));
}

void variables(MacroEditDrawing& drawing, const EditOptions& options) {
    EditConstrData ctx = drawing.context(options.module);
    MacroVarsData& vars = *ctx.variables;
    for (const std::string& assignment : options.assignments) {
        std::string name, value, type = "";
        if (!splitAt(assignment, '=', name, value))
            throw Refusal{kBadArgument, "variables are NAME=VALUE[:TYPE]: \"" + assignment + "\""};
        std::string number = value;
        splitAt(value, ':', number, type);
        if (!mdx(number).isNumber() || (!type.empty() && !mdx(type).isNumber()))
            throw Refusal{kBadArgument, "\"" + assignment + "\": the value and the type are numbers"};
        int index = vars.names.find(mdx(name), false);
        if (index < 0) {
            index = vars.names.append(mdx(name));
            vars.values.append(0);
            vars.types.append(0);
        }
        vars.values[index] = mdx(number).toDouble();
        if (!type.empty()) vars.types[index] = static_cast<short>(mdx(type).toInt());
    }
    for (const std::string& name : options.remove) {
        const int index = vars.names.find(mdx(name), false);
        if (index < 0) throw Refusal{kBadArgument, "the module has no variable \"" + name + "\""};
        vars.names[index].setEmpty();  // rows without a name are left out
    }
    if (options.clearEquations || !options.equations.empty()) {
        vars.equations.setEmpty();
        for (const std::string& line : options.equations) vars.equations.append(mdx(line));
    }
    if (!UpdateVarsEqs(ctx))
        throw Refusal{kRefused, "the macro refused the variables (names of letters, digits and "
                                "underscores that start with a letter, each once; types 0 to 7)"};
    finish(drawing, options, variablesReport(ctx));
}

void editCut(const EditConstrData& ctx, const std::string& assignment) {
    std::string target, value, name, field;
    if (!splitAt(assignment, '=', target, value) || !splitAt(target, '.', name, field))
        throw Refusal{kBadArgument, "cut changes are CUT.FIELD=VALUE: \"" + assignment + "\""};
    DlgMacroCutsData record;
    if (!ReadCutRecord(ctx.constraints->source, mdx(name), record))
        throw Refusal{kBadArgument, "the module has no cut \"" + name + "\""};
    const std::string why = setCutField(record, field, value);
    if (!why.empty()) throw Refusal{kBadArgument, "\"" + assignment + "\": " + why};
    if (!WriteCutRecord(ctx.constraints->source, record.name, record))
        throw Refusal{kRefused, "the macro refused \"" + assignment +
                                    "\" (a cut's values are numbers; texts are at most 255 "
                                    "characters)"};
}

void cuts(MacroEditDrawing& drawing, const EditOptions& options) {
    EditConstrData ctx = drawing.context(options.module);
    for (const std::string& assignment : options.assignments) editCut(ctx, assignment);
    std::cout << cutsReport(ctx);
    DlgMacroCutsData cut;
    cut.macroChoice.database = &drawing.database();
    for (const std::string& name : options.inUse) {
        bool inUse = false;
        cut.CutNameInUse(drawing.macroId(), mdx(name), ctx.currentModule, inUse);
        std::cout << "Cut name \"" << name << "\": " << (inUse ? "in use" : "free") << "\n";
    }
    if (!options.values.empty()) {
        for (const std::string& value : options.values) cut.values.append(mdx(value));
        if (!cut.AreVarNamesValid())
            throw Refusal{kRefused, "a cut value must be a number or a variable name "
                                    "(letters, digits, underscores; it starts with a letter "
                                    "and not with \"gen_\")"};
        std::cout << "Cut values are valid\n";
    }
    finish(drawing, options, "");
}

template <class F>
void runGuarded(F command, const EditOptions& options, int& exitCode) {
    try {
        MacroEditDrawing drawing(options.drawing, options.macro);
        command(drawing, options);
        exitCode = 0;
    } catch (const Refusal& refusal) {
        std::cerr << "mdx macro: " << refusal.message << "\n";
        exitCode = refusal.exit;
    } catch (const EvaluateError& error) {
        std::cerr << "mdx macro: " << error.what() << "\n";
        exitCode = static_cast<int>(error.exit());
    }
}

CLI::App* addCommand(CLI::App& macro, const char* name, const char* description,
                     EditOptions& options, bool withModule) {
    CLI::App* command = macro.add_subcommand(name, description);
    command->add_option("DRAWING", options.drawing, "the drawing file")->required();
    command->add_option("MACRO", options.macro, "the macro's name or handle")->required();
    if (withModule) command->add_option("MODULE", options.module, "the module")->required();
    command->footer(kExitCodes);
    return command;
}

}  // namespace

void addMacroEditCommands(CLI::App& macro, int& exitCode) {
    auto options = std::make_shared<EditOptions>();
    CLI::App* command = addCommand(
        macro, "modules",
        "List the modules of a macro; add, rename and remove them as the macro editor does.\n"
        "Example:\n  mdx macro modules examples/drawings/EndPlate_IPE300_HEA300.json "
        "EndPlate_IPE_HEA --rename BeamEnd=BeamCut --write\n",
        *options, false);
    command->add_flag("--add", options->addModules, "add a module (may be repeated)");
    command->add_option("--rename", options->rename, "OLD=NEW")->allow_extra_args(false);
    command->add_option("--remove", options->remove, "a module to remove")->allow_extra_args(false);
    command->add_flag("--write", options->write, "write the drawing file (atomically)");
    command->callback([options, &exitCode] { runGuarded(modules, *options, exitCode); });

    command = addCommand(
        macro, "constraints",
        "List the constraints and objects of a module; add, change, delete and sort "
        "constraints as the editor's constraint page does, change objects as its object page "
        "does (coordinate systems are fixed).\n"
        "Example:\n  mdx macro constraints examples/drawings/EndPlate_IPE300_HEA300.json "
        "EndPlate_IPE_HEA EndPlate --add distance:Plate1,Prof1 C1.value=20 C1.bound=atleast\n",
        *options, true);
    command->add_option("CHANGES", options->assignments,
                        "NAME.FIELD=VALUE: value, variable, bound, driving, shown, option1, option2, "
                        "cut");
    command->add_option("--add", options->add, "KIND:OBJECT[,OBJECT]")->allow_extra_args(false);
    command->add_option("--delete", options->remove, "a constraint to delete")->allow_extra_args(false);
    command->add_option("--sort", options->sort, "COLUMN[,COLUMN]: 1 name, 2 kind, 3 and 4 objects");
    command->add_option("--object", options->objects,
                        "OBJECT.FIELD=VALUE as the object page: flexibility (fixed, rigid, free), "
                        "constrained (0 or 1), name")
        ->allow_extra_args(false);
    command->add_option("--remove-object", options->removeObjects,
                        "a bolt pattern or coordinate system placed with the editor's tools, "
                        "unless a constraint uses it")
        ->allow_extra_args(false);
    command->add_flag("--write", options->write, "write the drawing file (atomically)");
    command->callback([options, &exitCode] { runGuarded(constraints, *options, exitCode); });

    command = addCommand(
        macro, "variables",
        "List the variables, dimension values and equations of a module; change them as the "
        "editor's variables page does.\n"
        "Example:\n  mdx macro variables examples/drawings/EndPlate_IPE300_HEA300.json "
        "EndPlate_IPE_HEA EndPlate L1=20 Depth=40:1 --equation \"Depth = L1 * 2\"\n",
        *options, true);
    command->add_option("CHANGES", options->assignments, "NAME=VALUE[:TYPE]");
    command->add_option("--remove", options->remove, "a variable to remove")->allow_extra_args(false);
    command->add_option("--equation", options->equations, "an equation line (replaces them all)")->allow_extra_args(false);
    command->add_flag("--no-equations", options->clearEquations, "remove every equation");
    command->add_flag("--write", options->write, "write the drawing file (atomically)");
    command->callback([options, &exitCode] { runGuarded(variables, *options, exitCode); });

    command = addCommand(
        macro, "cuts",
        "List the cuts of a module; change an existing cut as the cut dialog does, check a "
        "cut name and cut values.\n"
        "Changes are CUT.FIELD=VALUE with the fields the dialog offers for the cut's type:\n"
        "  option     1 or 2 (profile against plate), 1 to 3 (three segments)\n"
        "  choice     0 to 3 (profile against plate)\n"
        "  check1323  0 or 1 (profile against plate, profile in profile; not with check1325)\n"
        "  check1326  0 or 1 (profile against plate, only with check1325 and without check1323)\n"
        "  prefix     the variable prefix (three segments, option 1 or 2)\n"
        "  a value    the cut's offsets by name (Offset, PolyOffset, Offset1, ...): numbers\n"
        "The name, type and other part of a cut stay as they are (as in the dialog).\n"
        "Example:\n  mdx macro cuts examples/drawings/EndPlate_IPE300_HEA300.json "
        "EndPlate_IPE_HEA EndPlate Cut1.option=2 Cut1.PolyOffset=15 --write\n"
        "  mdx macro cuts examples/drawings/EndPlate_IPE300_HEA300.json "
        "EndPlate_IPE_HEA EndPlate --in-use Chamfer --values 10,CutGap\n",
        *options, true);
    command->add_option("CHANGES", options->assignments, "CUT.FIELD=VALUE");
    command->add_option("--in-use", options->inUse, "a cut name to look for in the module")->allow_extra_args(false);
    command->add_option("--values", options->values, "cut values to check")->delimiter(',');
    command->add_flag("--write", options->write, "write the drawing file (atomically)");
    command->callback([options, &exitCode] { runGuarded(cuts, *options, exitCode); });
}
