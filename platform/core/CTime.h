#pragma once
// Points in time as the core library hands them out: seconds since 1970, shown in local
// time. The current time comes from a clock that tests and scenarios may set, so texts
// holding the date come out the same on every run.
#include <cstdint>

#include "core/Mdx_String.h"

class CTime {
public:
    CTime() = default;
    explicit CTime(std::int64_t secondsSinceEpoch) : m_seconds(secondsSinceEpoch) {}
    // A local date and time (month 1..12); out-of-range parts roll over as the C library does.
    CTime(int year, int month, int day, int hour, int minute, int second);

    // The set clock when there is one, else the system's.
    static CTime GetCurrentTime();

    std::int64_t GetTime() const { return m_seconds; }
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;

    // strftime-style: %d %m %y %Y %H %M %S %B %b %A %a %j %%, with English month and day
    // names whatever the system's language; any other % sequence is copied as it is.
    Mdx_String Format(const char* format) const;

private:
    std::int64_t m_seconds = 0;
};

// The core library's clock.
void getCurrentTime(CTime& time);
// Fixes the clock at a time (tests, scenarios); clearFixedTime returns to the system clock.
void setFixedTime(const CTime& time);
void clearFixedTime();
