#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

extern char** environ;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Only async-signal-safe calls between fork and exec: everything the child
// needs is prepared before the fork.
[[noreturn]] void BecomeChild(char* const* argv, char* const* envp, const char* folder, int out, int err) {
    if (chdir(folder) != 0) _exit(126);
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    int nothing = open("/dev/null", O_RDONLY);
    dup2(nothing, STDIN_FILENO);
    execve(argv[0], argv, envp);
    _exit(127);
}

std::vector<std::string> EnvironmentFor(const ChildEnvironment& changes) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        std::string text = *entry;
        std::string name = text.substr(0, text.find('='));
        bool removed = false;
        for (const std::string& unset : changes.unset) removed = removed || unset == name;
        for (const auto& set : changes.set) removed = removed || set.first == name;
        if (!removed) entries.push_back(text);
    }
    for (const auto& set : changes.set) entries.push_back(set.first + "=" + set.second);
    return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

ChildResult Ended(int status, const std::string& scratch) {
    ChildResult result;
    result.ended = true;
    if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
    result.out = ReadFile(scratch + "/child.out");
    result.err = ReadFile(scratch + "/child.err");
    return result;
}

}  // namespace

pid_t StartChild(const std::vector<std::string>& argv, const std::string& folder,
                 const ChildEnvironment& environment, const std::string& scratch) {
    std::vector<std::string> arguments = argv;
    std::vector<std::string> entries = EnvironmentFor(environment);
    std::vector<char*> argPointers = Pointers(arguments);
    std::vector<char*> envPointers = Pointers(entries);
    int out = open((scratch + "/child.out").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    int err = open((scratch + "/child.err").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    pid_t child = out >= 0 && err >= 0 ? fork() : -1;
    if (child == 0) BecomeChild(argPointers.data(), envPointers.data(), folder.c_str(), out, err);
    if (out >= 0) close(out);
    if (err >= 0) close(err);
    return child;
}

namespace {

// The child's status once it has ended, polling until the deadline; false
// when it is still running then (or is no child of ours).
bool Reap(pid_t child, double seconds, int& status) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child) return true;
        if (done < 0 || std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace

ChildResult WaitForChild(pid_t child, const std::string& scratch, double seconds) {
    int status = 0;
    if (Reap(child, seconds, status)) return Ended(status, scratch);
    ChildResult result = StopChild(child, scratch);
    result.ended = false;
    return result;
}

ChildResult StopChild(pid_t child, const std::string& scratch) {
    int status = 0;
    kill(child, SIGTERM);
    if (!Reap(child, 20, status)) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
    return Ended(status, scratch);
}
