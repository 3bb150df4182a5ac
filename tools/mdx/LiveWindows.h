#pragma once
// What the browser front end shows of the window system: the visible top-level windows as
// pictures, and for each the controls a click can choose from (combo and list boxes, tab
// controls) with their items, so the page can offer them as a person's list. Read on the
// host's user-interface thread only.
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

struct LiveWindow {
    nlohmann::json description;  // title, template, size, choosers
    std::string png;
};

// Bottom of the z-order first; windows that cannot be drawn are left out.
std::vector<LiveWindow> captureLiveWindows();
