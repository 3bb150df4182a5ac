#include "ScenarioGridSteps.h"

#include <set>

#include "ScenarioError.h"
#include "ScenarioUser.h"
#include "ScenarioValues.h"
#include "grid/GridUserSteps.h"
#include "win/ScriptedUser.h"
#include "win/WinMessages.h"

namespace scenario {

namespace {

struct CellRef {
    int control = 0, col = 0, row = 0;
};

CellRef cellOf(const json& action) {
    return {requiredInt(action, "control"), requiredInt(action, "col"),
            requiredInt(action, "row")};
}

win::DialogRef dialogOf(const json& action) {
    win::DialogRef dialog;
    dialog.templateId = static_cast<UINT>(intField(action, "dialog", 0));
    return dialog;
}

int stateOf(const json& action) {
    const int state = intField(action, "state", -1);
    if (state < -1 || state > 1) throw ScenarioError("\"state\" must be 0, 1 or -1 (toggle)");
    return state;
}

void checkMenuChoice(const json& action) {
    if (action.contains("menuItem")) requiredInt(action, "menuItem");
    if (action.contains("menuText")) requiredText(action, "menuText");
    if (action.contains("menuItem") && action.contains("menuText"))
        throw ScenarioError("give \"menuItem\" or \"menuText\", not both");
}

void queueMenuChoice(const json& action) {
    if (action.contains("menuItem"))
        win::user::chooseMenuItem(static_cast<UINT_PTR>(requiredInt(action, "menuItem")));
    else if (action.contains("menuText"))
        win::user::chooseMenuText(requiredText(action, "menuText").str());
}

}  // namespace

bool isGridAction(const std::string& kind) {
    static const std::set<std::string> kinds = {"clickCell", "doubleClickCell", "rightClickCell",
                                                "typeCell",  "tickCell",        "gridKey",
                                                "dragCells"};
    return kinds.count(kind) != 0;
}

void checkGridAction(const std::string& kind, const json& action) {
    intField(action, "dialog", 0);
    if (kind == "gridKey") {
        requiredInt(action, "control");
        keyCodeOf(action);
        boolField(action, "shift", false);
        boolField(action, "ctrl", false);
        return;
    }
    if (kind == "dragCells") {
        requiredInt(action, "control");
        for (const char* key : {"fromCol", "fromRow", "toCol", "toRow"}) requiredInt(action, key);
        return;
    }
    cellOf(action);
    if (kind == "clickCell") boolField(action, "shift", false);
    if (kind == "typeCell") requiredText(action, "text");
    if (kind == "tickCell") stateOf(action);
    if (kind == "rightClickCell") checkMenuChoice(action);
}

void queueGridAction(const std::string& kind, const json& action) {
    const win::DialogRef dialog = dialogOf(action);
    if (kind == "gridKey") {
        grid::user::pressGridKey(
            requiredInt(action, "control"), keyCodeOf(action),
            {boolField(action, "shift", false), boolField(action, "ctrl", false)}, dialog);
        return;
    }
    if (kind == "dragCells") {
        grid::user::dragCells(requiredInt(action, "control"), requiredInt(action, "fromCol"),
                              requiredInt(action, "fromRow"), requiredInt(action, "toCol"),
                              requiredInt(action, "toRow"), dialog);
        return;
    }
    const CellRef cell = cellOf(action);
    if (kind == "clickCell")
        grid::user::clickCell(cell.control, cell.col, cell.row, dialog,
                              boolField(action, "shift", false) ? MK_SHIFT : 0);
    if (kind == "doubleClickCell") grid::user::doubleClickCell(cell.control, cell.col, cell.row, dialog);
    if (kind == "rightClickCell") {
        grid::user::rightClickCell(cell.control, cell.col, cell.row, dialog);
        queueMenuChoice(action);
    }
    if (kind == "typeCell")
        grid::user::typeInCell(cell.control, cell.col, cell.row, textField(action, "text").str(),
                               dialog);
    if (kind == "tickCell")
        grid::user::tickCell(cell.control, cell.col, cell.row, stateOf(action), dialog);
}

}  // namespace scenario
