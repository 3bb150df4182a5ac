#pragma once
// Internal to the window layer: the text editing that edits and the edit field of combo
// boxes share (typing at the selection, deleting, moving the caret).
#include "win/WindowRecord.h"

namespace win::detail {

struct EditRules {
    bool readOnly = false;
    bool digitsOnly = false;
    bool upperCase = false;
    bool lowerCase = false;
    bool multiLine = false;
};

// Replaces the selection with text, within the length limit; true when the text changed.
bool replaceSelection(WindowRecord& record, const std::string& text, const EditRules& rules);
// A typed character: printable characters replace the selection, backspace deletes.
bool typeCharacter(WindowRecord& record, char c, const EditRules& rules);
// Navigation and Delete keys; true when the text changed.
bool editKeyDown(WindowRecord& record, int key, const EditRules& rules);
void clampSelection(WindowRecord& record);

}  // namespace win::detail
