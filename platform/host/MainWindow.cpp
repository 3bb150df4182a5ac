#include "host/MainWindow.h"

#include <string_view>

#include "win/Window.h"

namespace host {

namespace {

HWND mainWindow = nullptr;

// The handle must still name our frame: a window system reset between tests may hand the
// same number to another window.
bool isOurFrame(HWND hwnd) {
    char name[64] = {};
    return hwnd != nullptr && IsWindow(hwnd) && GetClassName(hwnd, name, sizeof name) > 0 &&
           std::string_view(name) == MainWindow::kClassName;
}

void registerFrameClass() {
    WNDCLASS existing;
    if (GetClassInfo(nullptr, MainWindow::kClassName, &existing)) return;
    WNDCLASS frame;
    frame.lpfnWndProc = &DefWindowProc;
    frame.lpszClassName = MainWindow::kClassName;
    RegisterClass(&frame);
}

}  // namespace

HWND MainWindow::handle() {
    if (isOurFrame(mainWindow)) return mainWindow;
    registerFrameClass();
    mainWindow = CreateWindowEx(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                kWidth, kHeight, nullptr, nullptr, nullptr, nullptr);
    return mainWindow;
}

void MainWindow::destroy() {
    if (isOurFrame(mainWindow)) DestroyWindow(mainWindow);
    mainWindow = nullptr;
}

}  // namespace host

HWND adsw_acadMainWnd() {
    return host::MainWindow::handle();
}
