#pragma once
// Asks the designer's user for the width or the height of the selected controls.
class CWnd;

namespace designer {

// The value-input dialog with the texts of width or height and its default ("30" / "18").
// False when cancelled or when the text is not a positive number (the user is told).
bool askControlSize(CWnd* parent, bool horizontal, double& pixels);

}  // namespace designer
