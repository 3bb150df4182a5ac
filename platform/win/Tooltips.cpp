#include "win/Tooltips.h"

#include <map>

#include "win/Timers.h"
#include "win/Window.h"

namespace win {
namespace {

struct TooltipState {
    std::map<HWND, TooltipRecord> records;
    std::vector<TooltipRecord> shownLog;
    HWND under = nullptr;   // window under the pointer
    HWND showing = nullptr;  // control whose tooltip shows
    UINT_PTR timer = 0;
};

TooltipState& state() {
    static TooltipState s;
    return s;
}

void stopWaiting() {
    if (state().timer) KillTimer(nullptr, state().timer);
    state().timer = 0;
}

void hide() {
    stopWaiting();
    state().showing = nullptr;
}

void showNow(HWND, UINT, UINT_PTR, DWORD) {
    stopWaiting();
    const TooltipRecord* record = tooltipOf(state().under);
    if (!record) return;
    state().showing = record->control;
    state().shownLog.push_back(*record);
}

}  // namespace

bool setTooltip(HWND control, const std::string& text, UINT textId) {
    if (!IsWindow(control)) return false;
    if (text.empty()) {
        removeTooltip(control);
        return true;
    }
    state().records[control] = TooltipRecord{control, text, textId};
    return true;
}

void removeTooltip(HWND control) {
    state().records.erase(control);
    if (state().showing == control) hide();
}

const TooltipRecord* tooltipOf(HWND control) {
    auto& records = state().records;
    auto it = records.find(control);
    if (it == records.end()) return nullptr;
    // Handles are never reused, so a record of a window that is gone is simply dropped.
    if (!IsWindow(control)) {
        records.erase(it);
        return nullptr;
    }
    return &it->second;
}

const TooltipRecord* shownTooltip() {
    if (state().showing && !tooltipOf(state().showing)) state().showing = nullptr;
    return state().showing ? tooltipOf(state().showing) : nullptr;
}

const std::vector<TooltipRecord>& shownTooltips() {
    return state().shownLog;
}

void resetTooltips() {
    hide();
    state() = TooltipState{};
}

namespace detail {

void pointerOver(HWND window) {
    if (window == state().under) return;
    state().under = window;
    hide();
    if (tooltipOf(window)) state().timer = SetTimer(nullptr, 0, kTooltipHoverMs, showNow);
}

void pointerPressed() {
    hide();
}

}  // namespace detail
}  // namespace win
