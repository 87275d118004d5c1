// A scratch folder under /tmp for one benchmark run, removed afterwards.
#ifndef TARNWICK_BENCH_SUPPORT_SCRATCH_FOLDER_H
#define TARNWICK_BENCH_SUPPORT_SCRATCH_FOLDER_H

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

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
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string File(const char* name) const { return path_ + "/" + name; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

#endif
