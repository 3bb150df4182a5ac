#pragma once
// Internal to the window layer: the record behind every window handle and the table that
// owns them. Other layers use the functions of Window.h instead.
#include <memory>
#include <string>
#include <vector>

#include "win/WinTypes.h"

class CWnd;

namespace win::detail {

struct ListItem {
    std::string text;
    DWORD_PTR data = 0;
    bool selected = false;  // multiple-selection list boxes
};

struct TabItem {
    std::string text;
    int image = -1;
    LPARAM param = 0;
};

// What the built-in controls remember beyond the common window state.
struct ControlState {
    int check = 0;                 // buttons: BST_*
    HGDIOBJ image = nullptr;       // buttons and statics: bitmap or icon shown
    WPARAM imageType = 0;          // IMAGE_BITMAP or IMAGE_ICON
    int selStart = 0, selEnd = 0;  // edits and the edit field of combo boxes
    bool modified = false;         // edits
    UINT textLimit = 0;            // edits and combo boxes, 0 = no limit
    std::vector<ListItem> items;   // combo and list boxes
    int curSel = -1;               // combo and list boxes, tab controls
    std::vector<TabItem> tabs;     // tab controls
    bool droppedDown = false;      // combo boxes
};

struct WindowClass {
    std::string name;
    WNDCLASS info;
    bool builtIn = false;
};

struct WindowRecord {
    HWND handle = nullptr;
    const WindowClass* windowClass = nullptr;
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;
    HWND parent = nullptr;       // WS_CHILD windows
    HWND owner = nullptr;        // top-level windows
    std::vector<HWND> children;  // top of the z-order first
    RECT rect;  // in the parent's client coordinates (children) or screen coordinates
    LONG_PTR userData = 0;
    LONG_PTR dialogResult = 0;  // DWLP_MSGRESULT
    WNDPROC proc = nullptr;
    HINSTANCE instance = nullptr;
    HFONT font = nullptr;
    CWnd* object = nullptr;               // object that receives the messages
    std::unique_ptr<CWnd> handleWrapper;  // object handed out by CWnd::FromHandle
    std::vector<BYTE> extraBytes;
    ControlState control;
    UINT templateId = 0;  // dialogs created from a template
    bool destroying = false;
};

WindowRecord* findWindow(HWND hwnd);
const WindowClass* findClass(const std::string& name);
// Top-level windows, top of the z-order first.
std::vector<HWND>& topLevelWindows();
// Every live window in creation order (for lookups such as "the open dialogs").
std::vector<HWND> allWindows();
// Calls the window's procedure (or the object routed to it) without queueing.
LRESULT deliver(WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam);
// The WM_COMMAND a control sends to its parent for a notification.
void notifyParent(HWND control, WORD code);
// Insets of the frame and caption for these styles: left, top, right, bottom.
RECT nonClientInsets(DWORD style, DWORD exStyle);
// Object to route a window created by CWnd::CreateEx to, picked up by CreateWindowEx.
void setCreatingObject(CWnd* object);
// Drops every window, class registration of other layers and queued message (tests).
void resetWindowTable();

}  // namespace win::detail
