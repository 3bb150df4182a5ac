#include "win/Timers.h"

#include <algorithm>
#include <cstdint>
#include <map>

#include "win/Window.h"

namespace {

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT elapse = 0;
    TIMERPROC callback = nullptr;
    std::uint64_t due = 0;
};

struct TimerTable {
    std::map<std::uint64_t, Timer> bySerial;  // serial = order of setting
    std::uint64_t nextSerial = 1;
    UINT_PTR nextThreadTimerId = 1;
    std::uint64_t now = 0;
};

TimerTable& timers() {
    static TimerTable t;
    return t;
}

std::map<std::uint64_t, Timer>::iterator findTimer(HWND hwnd, UINT_PTR id) {
    auto& all = timers().bySerial;
    return std::find_if(all.begin(), all.end(), [&](const auto& entry) {
        return entry.second.hwnd == hwnd && entry.second.id == id;
    });
}

}  // namespace

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC callback) {
    auto& t = timers();
    if (hwnd && !IsWindow(hwnd)) return 0;
    const UINT interval = std::clamp<UINT>(elapse, 10u, 0x7FFFFFFFu);
    auto existing = findTimer(hwnd, id);
    if (!hwnd && (id == 0 || existing == t.bySerial.end())) {
        id = t.nextThreadTimerId++;
        existing = t.bySerial.end();
    }
    if (existing != t.bySerial.end()) t.bySerial.erase(existing);
    Timer timer;
    timer.hwnd = hwnd;
    timer.id = id;
    timer.elapse = interval;
    timer.callback = callback;
    timer.due = t.now + interval;
    t.bySerial.emplace(t.nextSerial++, timer);
    return hwnd && id == 0 ? 1 : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    auto& all = timers().bySerial;
    auto it = findTimer(hwnd, id);
    if (it == all.end()) return FALSE;
    all.erase(it);
    return TRUE;
}

DWORD GetTickCount() {
    return static_cast<DWORD>(timers().now);
}

namespace win {

void advanceClock(DWORD milliseconds) {
    auto& t = timers();
    const std::uint64_t target = t.now + milliseconds;
    for (;;) {
        auto next = t.bySerial.end();
        for (auto it = t.bySerial.begin(); it != t.bySerial.end(); ++it)
            if (it->second.due <= target &&
                (next == t.bySerial.end() || it->second.due < next->second.due))
                next = it;
        if (next == t.bySerial.end()) break;
        t.now = std::max(t.now, next->second.due);
        // Re-armed before it fires, so a callback that kills or restarts it has the last word.
        // The entry moves to a new serial so that a timer due at the same time as others
        // waits its turn behind them.
        Timer fired = next->second;
        t.bySerial.erase(next);
        Timer rearmed = fired;
        rearmed.due = fired.due + fired.elapse;
        t.bySerial.emplace(t.nextSerial++, rearmed);
        if (fired.callback) {
            fired.callback(fired.hwnd, WM_TIMER, fired.id, static_cast<DWORD>(t.now));
        } else if (fired.hwnd) {
            SendMessage(fired.hwnd, WM_TIMER, fired.id, 0);
        }
        PumpWaitingMessages();
    }
    t.now = target;
}

std::size_t activeTimerCount() {
    return timers().bySerial.size();
}

void killTimersOf(HWND hwnd) {
    if (!hwnd) return;
    std::erase_if(timers().bySerial,
                  [hwnd](const auto& entry) { return entry.second.hwnd == hwnd; });
}

void resetTimers() {
    timers() = TimerTable{};
}

}  // namespace win
