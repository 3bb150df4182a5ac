#include "ScenarioMacroDialog.h"

#include <memory>

#include "EvaluateDrawing.h"
#include "EvaluateError.h"
#include "MacroReport.h"
#include "ScenarioError.h"
#include "ScenarioValues.h"
#include "core/macro/MacroData.h"
#include "frame/MacroDialogLaunch.h"
#include "frame/MacroDialogSlots.h"
#include "host/DrawingView.h"
#include "macrodlg/DlgMacroModeless.h"
#include "win/ScriptedUser.h"

namespace {

using nlohmann::json;
using namespace scenario;

// The drawing of the last call stays loaded: a modeless dialog works on it after the call.
std::unique_ptr<EvaluateDrawing>& openDrawing() {
    static std::unique_ptr<EvaluateDrawing> drawing;
    return drawing;
}

bool onDrawing(const json& args) {
    return args.contains("drawing");
}

// Loads the drawing and gathers the macro's dialog data; the windows still open on the
// drawing loaded before close first, as that drawing goes. Throws EvaluateError.
MacroData& loadMacro(const json& args) {
    installMacroDialog();
    if (openDrawing()) DestroyAllMacroDlgs();
    openDrawing().reset();
    openDrawing() = std::make_unique<EvaluateDrawing>(
        textField(args, "drawing").toUtf8(), textField(args, "macro").toUtf8());
    return openDrawing()->macroData();
}

// The macro as the loaded drawing now holds it, gathered afresh, one line each.
json drawingAfter() {
    return reopenedMacroReport(*openDrawing());
}

// The tabs the window in the slot shows now (its filters may leave some out).
json shownTabs(int slot) {
    json names = json::array();
    auto* dialog = dynamic_cast<DlgMacroModeless*>(macro_slots::dialogInSlot(slot));
    for (int i = 0; dialog && i < dialog->pageCount(); ++i)
        names.push_back(dialog->page(i)->tab()->name.toUtf8());
    return names;
}

// The property files of the macro, once there are any.
void addPropertyFiles(const MacroData& data, json& result) {
    Mdx_StringArray files;
    if (!data.getPropFiles(files) || files.isEmpty()) return;
    json names = json::array();
    for (const Mdx_String& file : files) names.push_back(file.toUtf8());
    result["propertyFiles"] = names;
}

// Where the drawing's view was turned last, once a dialog turned it.
void addView(json& result) {
    if (host::DrawingView::changes() == 0) return;
    result["view"] = {{"from", host::DrawingView::directionName(host::DrawingView::direction())},
                      {"on", host::DrawingView::subject()}};
}

json failed(const EvaluateError& error) {
    DestroyAllMacroDlgs();
    openDrawing().reset();
    return {{"result", false}, {"error", error.what()}};
}

}  // namespace

void checkMacroDialog(const json& args) {
    boolField(args, "keepFocus", false);
    if (args.contains("drawing") != args.contains("macro"))
        throw ScenarioError("\"drawing\" and \"macro\" go together");
    if (onDrawing(args)) {
        requiredText(args, "drawing");
        requiredText(args, "macro");
    }
}

json callMacroDialog(const json& args) {
    if (!onDrawing(args)) {
        MacroData data;
        StartDlgMacro(data);
        return {{"tabs", data.tabCount()}};
    }
    try {
        MacroData& data = loadMacro(args);
        StartDlgMacro(data);
        json result = {{"tabs", data.tabCount()}, {"drawing", drawingAfter()}};
        addView(result);
        return result;
    } catch (const EvaluateError& error) {
        return failed(error);
    }
}

json callMacroDialogModeless(const json& args) {
    const bool keepFocus = boolField(args, "keepFocus", false);
    int slot = -1;
    if (!onDrawing(args)) {
        MacroData data;
        const bool result = StartDlgMacroModeless(keepFocus, data, slot);
        return {{"result", result}, {"slot", slot}};
    }
    try {
        MacroData& data = loadMacro(args);
        const bool result = StartDlgMacroModeless(keepFocus, data, slot);
        win::user::runPendingActions();
        // The window works on a copy; the drawing is kept with what the window holds now,
        // as the data kept before the window opened would undo its changes.
        if (result) GetDlgMacroData(slot, data);
        json done = {{"result", result}, {"slot", slot}, {"shown", shownTabs(slot)}};
        addPropertyFiles(data, done);
        done["drawing"] = drawingAfter();
        addView(done);
        return done;
    } catch (const EvaluateError& error) {
        return failed(error);
    }
}
