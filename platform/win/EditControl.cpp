// The "EDIT" class (also behind the rich-edit class names): single- and multi-line text
// with a selection.
#include "win/ControlProcs.h"
#include "win/TextEditing.h"
#include "win/Window.h"

namespace win::detail {
namespace {

EditRules rulesOf(const WindowRecord& r) {
    EditRules rules;
    rules.readOnly = (r.style & ES_READONLY) != 0;
    rules.digitsOnly = (r.style & ES_NUMBER) != 0;
    rules.upperCase = (r.style & ES_UPPERCASE) != 0;
    rules.lowerCase = (r.style & ES_LOWERCASE) != 0;
    rules.multiLine = (r.style & ES_MULTILINE) != 0;
    return rules;
}

void notifyChanged(HWND hwnd) {
    notifyParent(hwnd, EN_UPDATE);
    notifyParent(hwnd, EN_CHANGE);
}

}  // namespace

LRESULT editProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = findWindow(hwnd);
    if (!record) return 0;
    auto& c = record->control;
    switch (message) {
        case WM_SETTEXT: {
            record->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
            c.selStart = c.selEnd = 0;
            c.modified = false;
            if (!(record->style & ES_MULTILINE)) notifyChanged(hwnd);
            return TRUE;
        }
        case EM_GETSEL: {
            clampSelection(*record);
            if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(c.selStart);
            if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(c.selEnd);
            return static_cast<LRESULT>(
                MAKELONG(static_cast<WORD>(c.selStart), static_cast<WORD>(c.selEnd)));
        }
        case EM_SETSEL: {
            const int length = static_cast<int>(record->text.size());
            int start = static_cast<int>(static_cast<LONG_PTR>(wParam));
            int end = static_cast<int>(lParam);
            if (start == -1) {
                c.selStart = c.selEnd;  // removes the selection, keeps the caret
                return 0;
            }
            if (end < 0) end = length;
            c.selStart = start;
            c.selEnd = end;
            clampSelection(*record);
            return 0;
        }
        case EM_REPLACESEL: {
            EditRules rules = rulesOf(*record);
            rules.readOnly = false;  // the program may replace text of a read-only field
            rules.digitsOnly = false;
            if (replaceSelection(*record, lParam ? reinterpret_cast<const char*>(lParam) : "",
                                 rules))
                notifyChanged(hwnd);
            return 0;
        }
        case EM_LIMITTEXT:
            c.textLimit = static_cast<UINT>(wParam);
            return 0;
        case EM_GETLIMITTEXT:
            return c.textLimit ? c.textLimit : 30000;
        case EM_SETREADONLY:
            if (wParam)
                record->style |= ES_READONLY;
            else
                record->style &= ~ES_READONLY;
            return TRUE;
        case EM_GETMODIFY:
            return c.modified ? TRUE : FALSE;
        case EM_SETMODIFY:
            c.modified = wParam != 0;
            return 0;
        case EM_SCROLLCARET:
            return TRUE;
        case EM_GETLINECOUNT: {
            LRESULT lines = 1;
            for (char ch : record->text) lines += ch == '\n';
            return lines;
        }
        case WM_CHAR:
            if (typeCharacter(*record, static_cast<char>(wParam), rulesOf(*record)))
                notifyChanged(hwnd);
            return 0;
        case WM_KEYDOWN:
            if (editKeyDown(*record, static_cast<int>(wParam), rulesOf(*record)))
                notifyChanged(hwnd);
            return 0;
        case WM_LBUTTONDOWN:
            // A click puts the caret into the field.
            if (GetFocus() != hwnd) SetFocus(hwnd);
            return 0;
        case WM_SETFOCUS:
            notifyParent(hwnd, EN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            notifyParent(hwnd, EN_KILLFOCUS);
            return 0;
        default:
            return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

}  // namespace win::detail
