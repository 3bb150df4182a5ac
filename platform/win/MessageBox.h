#pragma once
// Message boxes. Each one is recorded (owner, text, caption, buttons and icon) and answered
// by the scripted user, or else by its default button.
#include "win/WinTypes.h"

inline constexpr UINT MB_OK = 0x0;
inline constexpr UINT MB_OKCANCEL = 0x1;
inline constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
inline constexpr UINT MB_YESNOCANCEL = 0x3;
inline constexpr UINT MB_YESNO = 0x4;
inline constexpr UINT MB_RETRYCANCEL = 0x5;
inline constexpr UINT MB_TYPEMASK = 0xF;
inline constexpr UINT MB_ICONHAND = 0x10;
inline constexpr UINT MB_ICONERROR = 0x10;
inline constexpr UINT MB_ICONSTOP = 0x10;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;
inline constexpr UINT MB_ICONWARNING = 0x30;
inline constexpr UINT MB_ICONASTERISK = 0x40;
inline constexpr UINT MB_ICONINFORMATION = 0x40;
inline constexpr UINT MB_ICONMASK = 0xF0;
inline constexpr UINT MB_DEFBUTTON1 = 0x000;
inline constexpr UINT MB_DEFBUTTON2 = 0x100;
inline constexpr UINT MB_DEFBUTTON3 = 0x200;
inline constexpr UINT MB_DEFMASK = 0xF00;
inline constexpr UINT MB_APPLMODAL = 0x0000;
inline constexpr UINT MB_SYSTEMMODAL = 0x1000;
inline constexpr UINT MB_TASKMODAL = 0x2000;
inline constexpr UINT MB_SETFOREGROUND = 0x10000;
inline constexpr UINT MB_TOPMOST = 0x40000;

// A null caption reads "Error", as on the real system.
int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
// The framework's message box: owned by the active window, captioned with the application
// name (win::applicationName()).
int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpId = 0);

namespace win {

// The buttons of a message-box type, in order (IDOK, IDCANCEL, IDYES, ...).
int messageBoxButtons(UINT type, int out[3]);
// The answer of the default button of a message-box type.
int messageBoxDefaultAnswer(UINT type);
const char* applicationName();
void setApplicationName(const char* name);

}  // namespace win
