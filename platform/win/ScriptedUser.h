#pragma once
// The user as a script. Steps wait in a queue; whenever the program hands control to the
// user -- a modal dialog after its initialisation, a message box, a popup menu, a file
// dialog -- the user takes the next step that fits:
// - a modal dialog runs action steps (typing, clicking, selecting, checking, keys, or any
//   function) until it ends; when no step is left it ends with Cancel, at once if the
//   queue is empty when it opens;
// - a message box takes an answer step at the head of the queue, else its default button;
// - a popup menu takes a menu step, else it is dismissed (0);
// - a file dialog takes a file step, else it is cancelled.
// Whatever the program shows is recorded. A step that cannot be done (no such control, a
// disabled or hidden control, an answer the message box does not offer) is recorded as a
// failure and skipped; tests assert that failures() is empty.
#include <functional>
#include <string>
#include <vector>

#include "win/WinTypes.h"

namespace win {

// Which open dialog a step acts on: by template id, else by title, else the active dialog.
struct DialogRef {
    UINT templateId = 0;
    std::string title;
};

struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
};

struct MessageBoxRecord {
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    UINT type = 0;  // buttons | icon | default button
    int answer = 0;
    bool answeredByScript = false;
};

struct MenuEntryRecord {
    UINT flags = 0;
    UINT_PTR id = 0;
    std::string text;
};

struct MenuRecord {
    HWND owner = nullptr;
    POINT position;
    std::vector<MenuEntryRecord> entries;
    UINT_PTR chosen = 0;
};

struct FileDialogRecord {
    bool open = true;
    std::string title;
    std::string initialFolder;
    std::string fileName;
    std::string defaultExtension;
    std::string filter;
    DWORD flags = 0;
    std::vector<std::string> chosen;  // empty when cancelled
};

namespace user {

// What the program waits for when it hands control to the user.
struct UserPrompt {
    enum class Kind { Dialog, MessageBox, Menu, FileDialog };
    Kind kind = Kind::Dialog;
    HWND dialog = nullptr;                          // Dialog: the modal dialog
    const MessageBoxRecord* messageBox = nullptr;   // MessageBox: as it is shown
    const MenuRecord* menu = nullptr;               // Menu: its entries and position
    const FileDialogRecord* fileDialog = nullptr;   // FileDialog: title, folder, filter
};

// A person at the keyboard instead of a script: asked whenever the program waits for the
// user and no step is queued. It queues the person's next step and returns true, or returns
// false to let what a script's silence means happen (Cancel, the default answer, ...).
// Only one live user at a time; an empty function removes it.
using LiveUser = std::function<bool(const UserPrompt&)>;
void setLiveUser(LiveUser user);

// Runs the action steps at the head of the queue now, for the modeless windows that stay
// open after a launch point returned.
void runPendingActions();

// Forgets every step, record and failure (not the live user).
void reset();
std::size_t pendingSteps();

// Action steps.
void act(std::function<void()> step, std::string description = "custom step");
void typeText(int controlId, std::string text, DialogRef dialog = {});
void click(int controlId, DialogRef dialog = {});
void doubleClick(int controlId, int index, DialogRef dialog = {});
void select(int controlId, int index, DialogRef dialog = {});
void selectText(int controlId, std::string item, DialogRef dialog = {});
void check(int controlId, int state, DialogRef dialog = {});
void pressKey(int virtualKey, KeyModifiers modifiers = {}, DialogRef dialog = {});
void focus(int controlId, DialogRef dialog = {});
// One mouse message (WM_LBUTTONDOWN, WM_RBUTTONUP, ...) at a point of the control's client
// area, with its key flags (MK_SHIFT, MK_CONTROL, ...); the cursor moves there.
void mouse(int controlId, UINT message, POINT at, WPARAM flags = 0, DialogRef dialog = {});
// Right button down and up at a point of the control.
void rightClick(int controlId, POINT at, DialogRef dialog = {});
void closeDialog(DialogRef dialog = {});

// Answer steps.
void answerMessageBox(int answer);
void chooseMenuItem(UINT_PTR commandId);
void chooseMenuText(std::string text);
void dismissMenu();
void answerFileDialog(std::vector<std::string> paths);
void cancelFileDialog();

// What the program showed, oldest first.
const std::vector<MessageBoxRecord>& messageBoxes();
const std::vector<MenuRecord>& menus();
const std::vector<FileDialogRecord>& fileDialogs();
const std::vector<std::string>& failures();

}  // namespace user

// Open dialogs. The active dialog is the frontmost visible, enabled dialog window (a modal
// dialog disables its owner, so the innermost modal dialog or a modeless dialog it opened).
HWND activeDialog();
HWND findDialog(UINT templateId);
HWND findDialogByTitle(const std::string& title);
HWND resolveDialog(const DialogRef& dialog);

// Immediate actions, for modeless dialogs and for steps written as functions. Each returns
// false (and records a failure) when the user could not do it.
namespace act {
bool typeText(HWND dialog, int controlId, const std::string& text);
bool click(HWND dialog, int controlId);
bool doubleClick(HWND dialog, int controlId, int index);
bool select(HWND dialog, int controlId, int index);
bool selectText(HWND dialog, int controlId, const std::string& item);
bool check(HWND dialog, int controlId, int state);
// Key down and up to the focused window (the dialog when nothing has the focus), through
// the pre-translation hooks; printable keys and Enter, Escape, Tab and Backspace also
// deliver their character.
bool pressKey(HWND dialog, int virtualKey, KeyModifiers modifiers = {});
// Characters typed one after the other into the focused window, as pressKey types them.
bool typeChars(HWND dialog, const std::string& text);
bool focus(HWND dialog, int controlId);
bool mouse(HWND dialog, int controlId, UINT message, POINT at, WPARAM flags = 0);
bool closeDialog(HWND dialog);
}  // namespace act

}  // namespace win

// Key state as the keyboard functions see it: negative while the key is down.
SHORT GetKeyState(int virtualKey);
SHORT GetAsyncKeyState(int virtualKey);
