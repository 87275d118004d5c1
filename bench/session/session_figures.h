// What the session benchmarks hand to the summary printed at the end of a
// run: named figures, and lines of text (the long session's table).
#ifndef TARNWICK_BENCH_SESSION_SESSION_FIGURES_H
#define TARNWICK_BENCH_SESSION_SESSION_FIGURES_H

#include <map>
#include <string>
#include <vector>

inline std::map<std::string, double>& Figures() {
    static std::map<std::string, double> figures;
    return figures;
}

inline std::vector<std::string>& SessionTable() {
    static std::vector<std::string> lines;
    return lines;
}

#endif
