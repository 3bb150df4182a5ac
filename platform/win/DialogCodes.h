#pragma once
// The answers a control gives to WM_GETDLGCODE: which keys it wants for itself instead of
// the dialog's own handling of Tab, Enter, Escape and the arrows.
#include "win/WinTypes.h"

inline constexpr LRESULT DLGC_WANTARROWS = 0x0001;
inline constexpr LRESULT DLGC_WANTTAB = 0x0002;
inline constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
inline constexpr LRESULT DLGC_WANTCHARS = 0x0080;
