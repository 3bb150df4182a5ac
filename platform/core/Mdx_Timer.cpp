#include "core/Mdx_Timer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

std::int64_t steadyNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

Mdx_Timer::Clock& activeClock() {
    static Mdx_Timer::Clock current = &steadyNanoseconds;
    return current;
}

// Timers are globals of many files; the list must exist before the first of them.
std::vector<Mdx_Timer*>& registry() {
    static std::vector<Mdx_Timer*> timers;
    return timers;
}

}  // namespace

Mdx_Timer::Mdx_Timer(const char* name) : m_name(name ? name : "") {
    registry().push_back(this);
}

Mdx_Timer::~Mdx_Timer() {
    auto& timers = registry();
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

void Mdx_Timer::start() {
    if (m_depth++ == 0) m_startedAt = activeClock()();
}

void Mdx_Timer::end() {
    if (m_depth == 0) return;
    if (--m_depth > 0) return;
    const std::int64_t elapsed = activeClock()() - m_startedAt;
    m_totalNanoseconds += elapsed > 0 ? elapsed : 0;
    ++m_count;
}

void Mdx_Timer::reset() {
    m_depth = 0;
    m_count = 0;
    m_totalNanoseconds = 0;
}

std::vector<const Mdx_Timer*> Mdx_Timer::allTimers() {
    return std::vector<const Mdx_Timer*>(registry().begin(), registry().end());
}

void Mdx_Timer::resetAll() {
    for (Mdx_Timer* timer : registry()) timer->reset();
}

std::string Mdx_Timer::report() {
    std::string out;
    for (const Mdx_Timer* timer : registry()) {
        if (timer->count() == 0) continue;
        char line[256];
        std::snprintf(line, sizeof line, "%-32s %8d %12.6f s\n", timer->name().c_str(),
                      timer->count(), timer->totalSeconds());
        out += line;
    }
    return out;
}

void Mdx_Timer::setClock(Clock newClock) {
    activeClock() = newClock ? newClock : &steadyNanoseconds;
}
