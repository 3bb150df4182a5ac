#pragma once
// What the browser front end shows of the window system: the visible top-level windows as
// pictures, and for each its controls with their rectangles in the picture (combo and list
// boxes and tab controls with their items, which the page offers as a person's list).
// Read on the host's user-interface thread only.
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

struct LiveWindow {
    nlohmann::json description;  // title, template, size, controls
    std::string png;
};

// Bottom of the z-order first; windows that cannot be drawn are left out.
std::vector<LiveWindow> captureLiveWindows();
