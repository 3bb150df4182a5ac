#pragma once
// The host's main window: the parent of the module's modeless dialogs and the window the
// keyboard focus is given back to. It is created on first use, and again if it was
// destroyed, so a handle from adsw_acadMainWnd() is always a live window.
#include "win/WinTypes.h"

HWND adsw_acadMainWnd();

namespace host {

class MainWindow {
public:
    static constexpr const char* kClassName = "MeridoxHostFrame";
    static constexpr const char* kTitle = "Drawing host";
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 960;

    static HWND handle();
    // Destroys the window if it exists (the next handle() makes a new one).
    static void destroy();
};

}  // namespace host
