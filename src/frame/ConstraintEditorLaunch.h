#pragma once
// The single modeless constraint editor. The editor itself comes with the macro editor;
// the frame only has to be able to end it when the module unloads.
#include <memory>

class CDialog;

// Closes the modeless constraint editor if one is open.
void EndDlgEditConstraints();

namespace constraint_editor {
// Hands the open modeless editor to the frame, which destroys it on EndDlgEditConstraints.
void adopt(std::unique_ptr<CDialog> editor);
bool isOpen();
}  // namespace constraint_editor
