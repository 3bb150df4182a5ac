#include "ScenarioMacroEditor.h"

#include <memory>
#include <sstream>

#include "EvaluateError.h"
#include "MacroEditDrawing.h"
#include "MacroEditReport.h"
#include "MacroPlacedReport.h"
#include "ScenarioError.h"
#include "ScenarioValues.h"
#include "core/macro/MacroEditPickers.h"
#include "core/macro/MacroEditing.h"
#include "macroedit/KvEditConstraintsDlg.h"
#include "macroedit/MacroEditorLaunch.h"
#include "win/ScriptedUser.h"

namespace {

using nlohmann::json;
using namespace scenario;

// The drawing of the last call stays loaded: a modeless editor works on it after the call.
std::unique_ptr<MacroEditDrawing>& openDrawing() {
    static std::unique_ptr<MacroEditDrawing> drawing;
    return drawing;
}

bool onDrawing(const json& args) {
    return args.contains("drawing");
}

EditConstrData recordOnly(const json& args) {
    EditConstrData data;
    data.currentModule = textField(args, "currentModule");
    data.moduleNames = textArray(args, "moduleNames");
    return data;
}

// Throws EvaluateError.
EditConstrData load(const json& args) {
    EndDlgEditConstraints();
    openDrawing().reset();
    openDrawing() = std::make_unique<MacroEditDrawing>(textField(args, "drawing").toUtf8(),
                                                       textField(args, "macro").toUtf8());
    macro_edit_pickers::clear();
    for (const Mdx_String& pick : textArray(args, "picks"))
        macro_edit_pickers::queue(macro_edit_pickers::Pick::Object, pick);
    for (const Mdx_String& position : textArray(args, "positions"))
        macro_edit_pickers::queue(macro_edit_pickers::Pick::Position, position);
    return openDrawing()->context(textField(args, "module").toUtf8());
}

json lines(const std::string& text) {
    std::istringstream report(text);
    json all = json::array();
    for (std::string line; std::getline(report, line);) all.push_back(line);
    return all;
}

// What the drawing holds now for the module the editor last showed.
json drawingAfter(const Mdx_String& module) {
    EditConstrData ctx = openDrawing()->context("");
    ctx.currentModule = module;
    OpenEditContext(ctx);
    json after = {{"modules", lines(modulesReport(ctx))},
                  {"constraints", lines(constraintsReport(ctx))},
                  {"variables", lines(variablesReport(ctx))}};
    const std::string placed = placedReport(ctx);
    if (!placed.empty()) after["placed"] = lines(placed);
    return after;
}

json failed(const EvaluateError& error) {
    EndDlgEditConstraints();
    openDrawing().reset();
    return {{"result", false}, {"error", error.what()}};
}

}  // namespace

void checkMacroEditor(const json& args) {
    if (args.contains("drawing") != args.contains("macro"))
        throw ScenarioError("\"drawing\" and \"macro\" go together");
    if (!onDrawing(args)) {
        recordOnly(args);
        return;
    }
    requiredText(args, "drawing");
    requiredText(args, "macro");
    textField(args, "module");
    textArray(args, "picks");
    textArray(args, "positions");
}

json callMacroEditorModal(const json& args) {
    if (!onDrawing(args)) {
        EditConstrData data = recordOnly(args);
        return {{"result", StartDlgEditConstrModal(data)}};
    }
    try {
        EditConstrData data = load(args);
        const bool result = StartDlgEditConstrModal(data);
        json answer = drawingAfter(data.currentModule);
        answer["result"] = result;
        return answer;
    } catch (const EvaluateError& error) {
        return failed(error);
    }
}

json callMacroEditorModeless(const json& args) {
    if (!onDrawing(args)) {
        EditConstrData data = recordOnly(args);
        return {{"result", StartDlgEditConstraints(data)}};
    }
    try {
        EditConstrData data = load(args);
        const bool result = StartDlgEditConstraints(data);
        win::user::runPendingActions();
        // The open editor works on its own copy of the context: its module is the one shown.
        const auto* editor = static_cast<const KvEditConstraintsDlg*>(
            CWnd::FromHandlePermanent(win::findDialog(KvEditConstraintsDlg::kTemplateId)));
        json answer = drawingAfter(editor ? editor->data.currentModule : data.currentModule);
        answer["result"] = result;
        return answer;
    } catch (const EvaluateError& error) {
        return failed(error);
    }
}
