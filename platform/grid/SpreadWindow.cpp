// The "fpSpread70" window class: each window owns its control state, created with the
// window and destroyed with it.
#include "grid/SpreadWindow.h"

#include "grid/GridInput.h"
#include "grid/GridPainter.h"
#include "grid/TextRules.h"
#include "win/Window.h"

namespace grid {

namespace {

// Controls whose window was destroyed while their sheet was calculating (a callback closing
// its own grid): the calculation still runs on them, so they are freed later.
std::vector<SpreadControl*>& orphans() {
    static std::vector<SpreadControl*> list;
    return list;
}

void freeIdleOrphans() {
    auto& list = orphans();
    for (size_t i = 0; i < list.size();) {
        if (list[i]->model.sheet().isCalculating()) {
            ++i;
            continue;
        }
        delete list[i];
        list[i] = list.back();
        list.pop_back();
    }
}

LRESULT spreadProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        freeIdleOrphans();
        auto* control = new SpreadControl();
        control->window = hwnd;
        SetWindowLongPtr(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
        return 0;
    }
    case WM_NCDESTROY: {
        auto* control = reinterpret_cast<SpreadControl*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
        SetWindowLongPtr(hwnd, GWLP_USERDATA, 0);
        if (control && control->model.sheet().isCalculating()) orphans().push_back(control);
        else delete control;
        freeIdleOrphans();
        break;
    }
    case WM_COMMAND:
        // A check cell's command, sent to this window first, goes on to the parent.
        if (reinterpret_cast<HWND>(lParam) == hwnd) {
            HWND parent = GetParent(hwnd);
            return parent ? SendMessage(parent, message, wParam, lParam) : 0;
        }
        break;
    default: {
        SpreadControl* control = spreadControl(hwnd);
        LRESULT result = 0;
        if (control && handleUserInput(*control, message, wParam, lParam, result)) return result;
        break;
    }
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

bool isSpreadWindow(HWND hwnd) {
    char name[32] = {};
    if (!IsWindow(hwnd) || GetClassName(hwnd, name, sizeof name) <= 0) return false;
    return equalsIgnoreCase(name, kSpreadClassName);  // class names ignore letter case
}

// Registered when the program starts, before any dialog creates a grid window.
const bool registeredAtStart = SSRegisterSpreadClass() != FALSE;

}  // namespace

SpreadControl* spreadControl(HWND hwnd) {
    if (!isSpreadWindow(hwnd)) return nullptr;
    return reinterpret_cast<SpreadControl*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
}

}  // namespace grid

BOOL SSRegisterSpreadClass() {
    WNDCLASS existing;
    if (GetClassInfo(nullptr, kSpreadClassName, &existing)) return TRUE;
    WNDCLASS wc;
    wc.lpfnWndProc = grid::spreadProc;
    wc.lpszClassName = kSpreadClassName;
    grid::registerGridPainter();
    return RegisterClass(&wc) != 0;
}

grid::SpreadModel* SSGetModel(HWND hwnd) {
    grid::SpreadControl* control = grid::spreadControl(hwnd);
    (void)grid::registeredAtStart;
    return control ? &control->model : nullptr;
}
