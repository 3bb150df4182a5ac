#pragma once
// Dialog units to pixels, as the dialog manager converts them. The base units of a dialog
// font are its average letter width and its cell height; for "MS Sans Serif" 8 (and the
// faces that stand for it: "MS Shell Dlg", "MS Shell Dlg 2", "Microsoft Sans Serif") they
// are 6 x 13 pixels. Horizontal values are value * baseX / 4 and vertical ones
// value * baseY / 8, each rounded half away from zero (MulDiv). Positions and sizes are
// converted separately, so a control's right edge is x' + cx', not (x + cx)'.
#include <string>

#include "win/LogFont.h"
#include "win/WinTypes.h"

namespace win {

struct BaseUnits {
    int x = 6;
    int y = 13;
};

BaseUnits dialogBaseUnits(const std::string& face, int pointSize);
// The font a dialog with this face and size uses (height -MulDiv(points, 96, 72)).
LOGFONT dialogFont(const std::string& face, int pointSize);
int dialogUnitsToPixelsX(int units, const BaseUnits& base);
int dialogUnitsToPixelsY(int units, const BaseUnits& base);

}  // namespace win

// The real call, for a dialog window: converts a rectangle in place with the dialog's font.
BOOL MapDialogRect(HWND dialog, LPRECT rect);
LONG GetDialogBaseUnits();
