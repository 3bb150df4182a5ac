#include "core/CTime.h"

#include <ctime>
#include <optional>

namespace {

std::optional<std::int64_t> gFixedTime;

const char* const kMonths[] = {"January", "February", "March",     "April",   "May",
                               "June",    "July",     "August",    "September", "October",
                               "November", "December"};
const char* const kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                             "Thursday", "Friday", "Saturday"};

std::tm localParts(std::int64_t seconds) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm parts{};
    localtime_r(&t, &parts);
    return parts;
}

Mdx_String twoDigits(int value) {
    return Mdx_String::format("%02d", value);
}

// The text of one conversion; false for a letter this formatter does not know.
bool convert(char letter, const std::tm& t, Mdx_String& out) {
    switch (letter) {
    case 'd': out += twoDigits(t.tm_mday); return true;
    case 'm': out += twoDigits(t.tm_mon + 1); return true;
    case 'y': out += twoDigits(t.tm_year % 100); return true;
    case 'Y': out.append(t.tm_year + 1900); return true;
    case 'H': out += twoDigits(t.tm_hour); return true;
    case 'M': out += twoDigits(t.tm_min); return true;
    case 'S': out += twoDigits(t.tm_sec); return true;
    case 'B': out += kMonths[t.tm_mon]; return true;
    case 'b': out += Mdx_String(kMonths[t.tm_mon]).left(3); return true;
    case 'A': out += kDays[t.tm_wday]; return true;
    case 'a': out += Mdx_String(kDays[t.tm_wday]).left(3); return true;
    case 'j': out += Mdx_String::format("%03d", t.tm_yday + 1); return true;
    case '%': out += '%'; return true;
    default: return false;
    }
}

}  // namespace

CTime::CTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    parts.tm_isdst = -1;
    m_seconds = static_cast<std::int64_t>(std::mktime(&parts));
}

CTime CTime::GetCurrentTime() {
    if (gFixedTime) return CTime(*gFixedTime);
    return CTime(static_cast<std::int64_t>(std::time(nullptr)));
}

int CTime::GetYear() const {
    return localParts(m_seconds).tm_year + 1900;
}
int CTime::GetMonth() const {
    return localParts(m_seconds).tm_mon + 1;
}
int CTime::GetDay() const {
    return localParts(m_seconds).tm_mday;
}
int CTime::GetHour() const {
    return localParts(m_seconds).tm_hour;
}
int CTime::GetMinute() const {
    return localParts(m_seconds).tm_min;
}

Mdx_String CTime::Format(const char* format) const {
    const std::tm parts = localParts(m_seconds);
    Mdx_String out;
    for (const char* p = format; p && *p; ++p) {
        if (*p != '%' || !p[1]) {
            out += *p;
            continue;
        }
        if (!convert(p[1], parts, out)) {
            out += '%';
            out += p[1];
        }
        ++p;
    }
    return out;
}

void getCurrentTime(CTime& time) {
    time = CTime::GetCurrentTime();
}

void setFixedTime(const CTime& time) {
    gFixedTime = time.GetTime();
}

void clearFixedTime() {
    gFixedTime.reset();
}
