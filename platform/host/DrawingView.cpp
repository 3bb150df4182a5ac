#include "host/DrawingView.h"

namespace host {

namespace {

struct ViewState {
    int direction = DrawingView::kFront;
    std::string subject;
    int changes = 0;
};

ViewState& view() {
    static ViewState state;
    return state;
}

}  // namespace

bool DrawingView::set(int direction, const std::string& subject) {
    if (!*directionName(direction)) return false;
    view().direction = direction;
    view().subject = subject;
    ++view().changes;
    return true;
}

int DrawingView::direction() {
    return view().direction;
}

const std::string& DrawingView::subject() {
    return view().subject;
}

int DrawingView::changes() {
    return view().changes;
}

const char* DrawingView::directionName(int direction) {
    static const char* const names[] = {"above", "side", "isometric", "front"};
    return direction >= 0 && direction <= 3 ? names[direction] : "";
}

void DrawingView::reset() {
    view() = ViewState();
}

}  // namespace host
