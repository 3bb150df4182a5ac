#pragma once
// Internal to the window layer: the procedures of the built-in window classes.
#include "win/WinTypes.h"

namespace win::detail {

LRESULT buttonProc(HWND, UINT, WPARAM, LPARAM);
LRESULT editProc(HWND, UINT, WPARAM, LPARAM);
LRESULT staticProc(HWND, UINT, WPARAM, LPARAM);
LRESULT comboBoxProc(HWND, UINT, WPARAM, LPARAM);
LRESULT listBoxProc(HWND, UINT, WPARAM, LPARAM);
LRESULT tabControlProc(HWND, UINT, WPARAM, LPARAM);
LRESULT dialogProc(HWND, UINT, WPARAM, LPARAM);

}  // namespace win::detail
