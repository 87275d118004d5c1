// A fresh folder under /tmp for one test, removed with everything in it
// afterwards; optionally the working folder while it lives (the program's
// database file name is relative to the working folder).
#ifndef TARNWICK_TESTS_SQLSTORE_TEMP_FOLDER_H
#define TARNWICK_TESTS_SQLSTORE_TEMP_FOLDER_H

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

class TempFolder {
public:
    explicit TempFolder(bool enter = false) {
        char pattern[] = "/tmp/tarnwick-store-XXXXXX";
        if (mkdtemp(pattern) != nullptr) path_ = pattern;
        if (enter && !path_.empty()) {
            char previous[4096];
            if (getcwd(previous, sizeof(previous)) != nullptr) previous_ = previous;
            if (chdir(path_.c_str()) != 0) previous_.clear();
        }
    }
    ~TempFolder() {
        if (!previous_.empty() && chdir(previous_.c_str()) != 0) {
        }
        if (path_.empty()) return;
        chmod(path_.c_str(), 0700);  // a test may have made it read-only
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const std::string& Path() const { return path_; }
    std::string File(const char* name) const { return path_ + "/" + name; }

private:
    std::string path_;
    std::string previous_;
};

#endif
