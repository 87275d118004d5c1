// Milliseconds of wall time, on the steady clock every benchmark times with.
#ifndef TARNWICK_BENCH_SUPPORT_STOPWATCH_H
#define TARNWICK_BENCH_SUPPORT_STOPWATCH_H

#include <chrono>

using Clock = std::chrono::steady_clock;

inline double MsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

inline double MsSince(Clock::time_point from) { return MsBetween(from, Clock::now()); }

template <class Work>
double MillisecondsOf(Work work) {
    const Clock::time_point start = Clock::now();
    work();
    return MsSince(start);
}

#endif
