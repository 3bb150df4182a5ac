#pragma once
// The macro editor in a scenario: with "drawing" and "macro" it opens on that macro of the
// drawing (loaded, never written) at "module", so the user's steps on its pages change the
// loaded drawing; the result then lists the modules, the constraints and objects, and the
// variables as the drawing holds them afterwards. "picks" are the object names the user
// picks in the drawing when a tool asks. Without a drawing it opens on the record of
// "currentModule" and "moduleNames" alone.
#include <nlohmann/json.hpp>

void checkMacroEditor(const nlohmann::json& args);
// StartDlgEditConstrModal.
nlohmann::json callMacroEditorModal(const nlohmann::json& args);
// StartDlgEditConstraints: the editor stays open; the step's user actions are played on it
// before the result is read.
nlohmann::json callMacroEditorModeless(const nlohmann::json& args);
