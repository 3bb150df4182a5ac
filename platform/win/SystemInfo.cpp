// Metrics and colours of the headless screen: a 1280 x 1024 display with the classic look.
#include <cstdint>

#include "win/WinStyles.h"

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const std::uint64_t magnitude =
        product < 0 ? static_cast<std::uint64_t>(-product) : static_cast<std::uint64_t>(product);
    const std::uint64_t divisor =
        denominator < 0 ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(denominator))
                        : static_cast<std::uint64_t>(denominator);
    // Rounds half away from zero, as the system does.
    const std::uint64_t quotient = (magnitude + divisor / 2) / divisor;
    if (quotient > static_cast<std::uint64_t>(INT32_MAX)) return -1;
    const int q = static_cast<int>(quotient);
    return negative ? -q : q;
}

int GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXSCREEN:
            return 1280;
        case SM_CYSCREEN:
            return 1024;
        case SM_CXVSCROLL:
            return 16;
        case SM_CYHSCROLL:
            return 16;
        case SM_CYCAPTION:
            return 18;
        case SM_CXBORDER:
        case SM_CYBORDER:
            return 1;
        case SM_CXDLGFRAME:
        case SM_CYDLGFRAME:
            return 3;
        case SM_CXICON:
        case SM_CYICON:
            return 32;
        case SM_CXFRAME:
        case SM_CYFRAME:
            return 4;
        case SM_CXEDGE:
        case SM_CYEDGE:
            return 2;
        case SM_CXSMICON:
        case SM_CYSMICON:
            return 16;
        default:
            return 0;
    }
}

COLORREF GetSysColor(int index) {
    switch (index) {
        case COLOR_SCROLLBAR:
            return RGB(212, 208, 200);
        case COLOR_BACKGROUND:
            return RGB(58, 110, 165);
        case COLOR_ACTIVECAPTION:
            return RGB(10, 36, 106);
        case COLOR_WINDOW:
            return RGB(255, 255, 255);
        case COLOR_WINDOWFRAME:
            return RGB(0, 0, 0);
        case COLOR_WINDOWTEXT:
            return RGB(0, 0, 0);
        case COLOR_CAPTIONTEXT:
            return RGB(255, 255, 255);
        case COLOR_HIGHLIGHT:
            return RGB(10, 36, 106);
        case COLOR_HIGHLIGHTTEXT:
            return RGB(255, 255, 255);
        case COLOR_BTNFACE:
            return RGB(212, 208, 200);
        case COLOR_BTNSHADOW:
            return RGB(128, 128, 128);
        case COLOR_GRAYTEXT:
            return RGB(128, 128, 128);
        case COLOR_BTNTEXT:
            return RGB(0, 0, 0);
        case COLOR_BTNHIGHLIGHT:
            return RGB(255, 255, 255);
        case COLOR_3DDKSHADOW:
            return RGB(64, 64, 64);
        case COLOR_3DLIGHT:
            return RGB(212, 208, 200);
        case COLOR_INFOTEXT:
            return RGB(0, 0, 0);
        case COLOR_INFOBK:
            return RGB(255, 255, 225);
        default:
            return 0;
    }
}
