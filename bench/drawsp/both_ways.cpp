#include "both_ways.h"

#include <string>

bool SamePixelsOrSkip(benchmark::State& state, int mismatched, Match match) {
    state.counters["mismatched_px"] = mismatched;
    if (mismatched == 0 || match == Match::Reported) return true;
    const std::string message =
        std::to_string(mismatched) + " pixels of the Qt baseline differ from the surface's; not timed";
    state.SkipWithError(message.c_str());
    return false;
}

void ReportAgainstQt(benchmark::State& state, double surfaceSeconds, double qtSeconds) {
    const double pages = static_cast<double>(state.iterations());
    state.counters["surface_ms"] = surfaceSeconds / pages * 1e3;
    state.counters["qt_ms"] = qtSeconds / pages * 1e3;
    state.counters["ratio"] = qtSeconds > 0 ? surfaceSeconds / qtSeconds : 0;
}
