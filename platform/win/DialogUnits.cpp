#include "win/DialogUnits.h"

#include "win/AsciiCase.h"
#include "win/FontMetrics.h"
#include "win/Gdi.h"
#include "win/GdiObjects.h"
#include "win/Window.h"

namespace win {
namespace {

bool isSansSerifDialogFace(const std::string& face) {
    return face.empty() || equalsIgnoringAsciiCase(face, "MS Sans Serif") ||
           equalsIgnoringAsciiCase(face, "MS Shell Dlg") ||
           equalsIgnoringAsciiCase(face, "MS Shell Dlg 2") ||
           equalsIgnoringAsciiCase(face, "Microsoft Sans Serif");
}

}  // namespace

LOGFONT dialogFont(const std::string& face, int pointSize) {
    LOGFONT font;
    font.lfHeight = -MulDiv(pointSize > 0 ? pointSize : 8, 96, 72);
    font.lfWeight = FW_NORMAL;
    setFaceName(font, face.empty() ? "MS Sans Serif" : face.c_str());
    return font;
}

BaseUnits dialogBaseUnits(const std::string& face, int pointSize) {
    if (isSansSerifDialogFace(face) && (pointSize == 8 || pointSize <= 0)) return BaseUnits{6, 13};
    const LOGFONT font = dialogFont(face, pointSize);
    BaseUnits units;
    units.x = averageCharWidth(font);
    units.y = lineHeight(font);
    if (units.x <= 0) units.x = 1;
    if (units.y <= 0) units.y = 1;
    return units;
}

int dialogUnitsToPixelsX(int units, const BaseUnits& base) {
    return MulDiv(units, base.x, 4);
}
int dialogUnitsToPixelsY(int units, const BaseUnits& base) {
    return MulDiv(units, base.y, 8);
}

}  // namespace win

BOOL MapDialogRect(HWND dialog, LPRECT rect) {
    if (!IsWindow(dialog) || !rect) return FALSE;
    win::BaseUnits base;
    HFONT font = reinterpret_cast<HFONT>(SendMessage(dialog, WM_GETFONT, 0, 0));
    if (auto* object = win::detail::findGdiObject(font)) {
        const LOGFONT& lf = object->font;
        const int points = MulDiv(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight, 72, 96);
        base = win::dialogBaseUnits(lf.lfFaceName, points);
    }
    rect->left = win::dialogUnitsToPixelsX(rect->left, base);
    rect->right = win::dialogUnitsToPixelsX(rect->right, base);
    rect->top = win::dialogUnitsToPixelsY(rect->top, base);
    rect->bottom = win::dialogUnitsToPixelsY(rect->bottom, base);
    return TRUE;
}

LONG GetDialogBaseUnits() {
    return static_cast<LONG>(MAKELONG(8, 16));
}
