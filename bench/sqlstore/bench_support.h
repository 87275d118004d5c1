// Shared pieces of the store benchmarks: a scratch folder under /tmp, a raw
// SQLite connection set up as the store sets up its own, latency
// percentiles, and the figures the summary compares at the end of a run.
#ifndef TARNWICK_BENCH_SQLSTORE_BENCH_SUPPORT_H
#define TARNWICK_BENCH_SQLSTORE_BENCH_SUPPORT_H

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

class ScratchFolder {
public:
    ScratchFolder() {
        char pattern[] = "/tmp/tarnwick-bench-XXXXXX";
        if (mkdtemp(pattern) != nullptr) path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    std::string File(const char* name) const { return path_ + "/" + name; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// The journal and sync settings the store uses, on a connection of its own.
inline sqlite3* OpenLikeTheStore(const std::string& path) {
    sqlite3* database = nullptr;
    sqlite3_open(path.c_str(), &database);
    sqlite3_busy_timeout(database, 5000);
    sqlite3_exec(database, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL", nullptr, nullptr,
                 nullptr);
    return database;
}

inline double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    std::size_t index = static_cast<std::size_t>(fraction * (values.size() - 1) + 0.5);
    return values[index];
}

// Named figures recorded by the benchmarks, read by the summary.
inline std::map<std::string, double>& Figures() {
    static std::map<std::string, double> figures;
    return figures;
}

#endif
