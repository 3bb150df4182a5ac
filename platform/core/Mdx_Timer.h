#pragma once

// Named stopwatches for measuring the stages of a calculation. A timer adds up the time
// between start() and end() over all its runs and counts the runs.
//
// Starting a timer that is already running (a stage entered again by a nested evaluation)
// only deepens it: the time is taken from the outermost start to the matching outermost end,
// so nested runs are not counted twice. end() on a stopped timer does nothing.
//
// Time comes from a steady clock; tests may install their own clock.

#include <cstdint>
#include <string>
#include <vector>

class Mdx_Timer {
public:
    // Nanoseconds on a clock that never goes back.
    using Clock = std::int64_t (*)();

    explicit Mdx_Timer(const char* name);
    ~Mdx_Timer();
    Mdx_Timer(const Mdx_Timer&) = delete;
    Mdx_Timer& operator=(const Mdx_Timer&) = delete;

    void start();
    void end();
    void reset();

    const std::string& name() const { return m_name; }
    bool isRunning() const { return m_depth > 0; }
    // Completed runs and their total; a run in progress is not included.
    int count() const { return m_count; }
    double totalSeconds() const { return static_cast<double>(m_totalNanoseconds) * 1e-9; }
    std::int64_t totalNanoseconds() const { return m_totalNanoseconds; }

    // Every timer alive, in the order they were made; for reports.
    static std::vector<const Mdx_Timer*> allTimers();
    static void resetAll();
    // One line per timer that ran: name, count and total seconds.
    static std::string report();

    static void setClock(Clock clock);  // nullptr: the steady clock again

private:
    std::string m_name;
    int m_depth = 0;
    int m_count = 0;
    std::int64_t m_startedAt = 0;
    std::int64_t m_totalNanoseconds = 0;
};

// Runs a timer for the lifetime of a scope, so it is ended on every way out.
class Mdx_FunctionTimer {
public:
    explicit Mdx_FunctionTimer(Mdx_Timer& timer) : m_timer(timer) { m_timer.start(); }
    ~Mdx_FunctionTimer() { m_timer.end(); }
    Mdx_FunctionTimer(const Mdx_FunctionTimer&) = delete;
    Mdx_FunctionTimer& operator=(const Mdx_FunctionTimer&) = delete;

private:
    Mdx_Timer& m_timer;
};
