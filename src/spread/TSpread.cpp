#include "spread/TSpread.h"

BOOL TSpread::createGrid(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    SSRegisterSpreadClass();
    return CreateEx(0, kSpreadClassName, nullptr, style, rect, parent, id);
}
