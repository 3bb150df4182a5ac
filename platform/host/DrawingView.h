#pragma once
// The direction the drawing window looks from, as the module last set it, and what it was
// set for. The stand-in host draws nothing, so the view is a record that a session reports.
#include <string>

namespace host {

class DrawingView {
public:
    // 0 from above, 1 from the side, 2 isometric, 3 from the front.
    static constexpr int kFront = 3;

    // subject names what the view was turned to (UTF-8). Directions outside 0 to 3 are
    // refused: false, and the view stays.
    static bool set(int direction, const std::string& subject);
    static int direction();
    static const std::string& subject();
    // How often the view was set since the session started.
    static int changes();
    // "above", "side", "isometric" or "front"; empty outside.
    static const char* directionName(int direction);
    static void reset();
};

}  // namespace host
