#pragma once
// Keeps the controls of a resizable dialog in place. Every child is recorded once with its
// rectangle at that moment and two sets of anchoring flags; on every size change all of them
// are moved in one deferred batch. A child without flags scales with the dialog.
#include <vector>

#include "win/WinTypes.h"

class ChildLayout {
public:
    // Flag bits, the same for the horizontal and the vertical direction.
    static constexpr int kKeepSize = 1;
    static constexpr int kKeepPosition = 2;   // left, or top
    static constexpr int kFollowFarEdge = 4;  // right, or bottom

    // Forgets every entry; when parent is a window, records its window rectangle and every
    // child except toolbars, each with flags 0, 0.
    void registerChildren(HWND parent);
    bool setChildFlags(HWND child, int horizontal, int vertical);
    bool setControlFlags(int controlId, int horizontal, int vertical);
    // Moves every registered child for the parent's current size; false when the parent is
    // no longer a window or the batch failed.
    bool applyLayout();

    int entryCount() const { return static_cast<int>(entries.size()); }

private:
    struct Entry {
        RECT rect;  // at registration, in the parent's client coordinates
        HWND window;
        int horizontal;
        int vertical;
    };
    static void placeSpan(LONG registeredStart, LONG registeredEnd, int flags, double factor,
                          int growth, LONG& start, LONG& end);

    HWND parent = nullptr;
    RECT registeredRect{};
    std::vector<Entry> entries;
};
