// Shared pieces of the store benchmarks: a scratch folder under /tmp, a raw
// SQLite connection set up as the store sets up its own, latency
// percentiles, and the figures the summary compares at the end of a run.
#ifndef TARNWICK_BENCH_SQLSTORE_BENCH_SUPPORT_H
#define TARNWICK_BENCH_SQLSTORE_BENCH_SUPPORT_H

#include <sqlite3.h>

#include <map>
#include <string>
#include <vector>

#include "percentiles.h"
#include "scratch_folder.h"

// The journal and sync settings the store uses, on a connection of its own.
inline sqlite3* OpenLikeTheStore(const std::string& path) {
    sqlite3* database = nullptr;
    sqlite3_open(path.c_str(), &database);
    sqlite3_busy_timeout(database, 5000);
    sqlite3_exec(database, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL", nullptr, nullptr,
                 nullptr);
    return database;
}

// Named figures recorded by the benchmarks, read by the summary.
inline std::map<std::string, double>& Figures() {
    static std::map<std::string, double> figures;
    return figures;
}

#endif
