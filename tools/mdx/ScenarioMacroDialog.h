#pragma once
// The macro dialog in a scenario: with "drawing" and "macro" it opens on that macro of the
// drawing (loaded, never written), so the user's steps on its pages change the loaded
// drawing; the result then shows the macro as the drawing holds it afterwards. Without them
// it opens on an empty record.
#include <nlohmann/json.hpp>

void checkMacroDialog(const nlohmann::json& args);
// StartDlgMacro: the modal form.
nlohmann::json callMacroDialog(const nlohmann::json& args);
// StartDlgMacroModeless: the window stays open in its slot; the step's user actions are
// played on it before the result is read.
nlohmann::json callMacroDialogModeless(const nlohmann::json& args);
