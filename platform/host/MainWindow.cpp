#include "host/MainWindow.h"

#include "win/Window.h"

namespace host {

namespace {

HWND mainWindow = nullptr;

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
    if (mainWindow != nullptr && IsWindow(mainWindow)) return mainWindow;
    registerFrameClass();
    mainWindow = CreateWindowEx(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                kWidth, kHeight, nullptr, nullptr, nullptr, nullptr);
    return mainWindow;
}

void MainWindow::destroy() {
    if (mainWindow != nullptr && IsWindow(mainWindow)) DestroyWindow(mainWindow);
    mainWindow = nullptr;
}

}  // namespace host

HWND adsw_acadMainWnd() {
    return host::MainWindow::handle();
}
