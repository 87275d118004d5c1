// Environment variables changed for one test and put back afterwards.
#ifndef TARNWICK_TESTS_CLI_SCOPED_ENVIRONMENT_H
#define TARNWICK_TESTS_CLI_SCOPED_ENVIRONMENT_H

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second.first) {
                setenv(it->first.c_str(), it->second.second.c_str(), 1);
            } else {
                unsetenv(it->first.c_str());
            }
        }
    }

    // value null: the variable is removed.
    void Set(const std::string& name, const char* value) {
        const char* old = std::getenv(name.c_str());
        saved_.push_back({name, {old != nullptr, old != nullptr ? old : ""}});
        value != nullptr ? setenv(name.c_str(), value, 1) : unsetenv(name.c_str());
    }

private:
    std::vector<std::pair<std::string, std::pair<bool, std::string>>> saved_;
};

#endif
