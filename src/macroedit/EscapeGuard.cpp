#include "macroedit/EscapeGuard.h"

#include "win/Timers.h"

namespace {

bool gGuarded = false;
UINT_PTR gTimer = 0;

void guardElapsed(HWND, UINT, UINT_PTR, DWORD) {
    escape_guard::stop();
}

}  // namespace

namespace escape_guard {

void start() {
    gGuarded = true;
    gTimer = ::SetTimer(nullptr, gTimer, kGuardMilliseconds, guardElapsed);
}

bool isActive() {
    return gGuarded;
}

void stop() {
    if (gTimer) ::KillTimer(nullptr, gTimer);
    gTimer = 0;
    gGuarded = false;
}

}  // namespace escape_guard
