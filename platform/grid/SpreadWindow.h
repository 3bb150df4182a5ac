#pragma once
// Internal to the grid control: the state behind a grid window and how a handle finds it.
#include <memory>
#include <string>
#include <vector>

#include "grid/SpreadApi.h"
#include "grid/SpreadModel.h"

namespace grid {

// One registered custom function of a window: what the engine's callback context points at.
struct CustomRegistration {
    std::string name;
    SSCALCFUNC callback = nullptr;
    long flags = 0;
};

struct SpreadControl {
    HWND window = nullptr;
    SpreadModel model;
    // Stable addresses: the engine keeps pointers to them as callback contexts.
    std::vector<std::unique_ptr<CustomRegistration>> customs;
    // The moving corner of the selected block while the user extends it (the active cell is
    // the fixed one), and whether the left button is down selecting a block.
    int cornerColumn = 0, cornerRow = 0;
    bool dragging = false;
};

// The control of a grid window, null for any other handle.
SpreadControl* spreadControl(HWND hwnd);

}  // namespace grid
