// The notebook export run as a user runs it: a process of its own (the
// program beside the test binary, with --export-pdf and its options) in a drawing folder, with no display in its environment. What
// it wrote on stderr and how it ended are read back; a run can be waited
// for at once, or watched and stopped by a signal.
#ifndef TARNWICK_TESTS_SUPPORT_EXPORT_RUN_H
#define TARNWICK_TESTS_SUPPORT_EXPORT_RUN_H

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "library_path.h"

struct ExportResult {
    int exitCode = -1;    // when it exited
    int endSignal = 0;    // when a signal ended it
    std::string errors;   // all of stderr
};

class ExportProcess {
public:
    // Starts `Veldrin ARGS` in `folder`. A file size limit (bytes, 0 for
    // none) makes writes past it fail, as on a full disk.
    ExportProcess(const std::string& folder, const std::vector<std::string>& args, long fileSizeLimit = 0) {
        // Everything the child needs is made before the fork: a child of a
        // process with threads may only make async-signal-safe calls.
        const std::string program = TestBinaryFolder() + "Veldrin";
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        std::vector<std::string> environment = ChildEnvironment();
        std::vector<char*> envp;
        for (std::string& entry : environment) envp.push_back(entry.data());
        envp.push_back(nullptr);
        int pipeEnds[2];
        if (pipe2(pipeEnds, O_CLOEXEC) != 0) return;
        pid_ = fork();
        if (pid_ == 0) RunChild(folder.c_str(), argv.data(), envp.data(), fileSizeLimit, pipeEnds[1]);
        close(pipeEnds[1]);
        errors_ = pipeEnds[0];
        if (pid_ < 0) close(errors_);
    }
    ~ExportProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            Wait();
        }
    }
    ExportProcess(const ExportProcess&) = delete;
    ExportProcess& operator=(const ExportProcess&) = delete;

    bool Running() const { return pid_ > 0; }
    void Signal(int signalNumber) const {
        if (pid_ > 0) kill(pid_, signalNumber);
    }

    // Reads stderr to its end and waits for the process.
    ExportResult Wait() {
        ExportResult result;
        if (pid_ <= 0) return result;
        char chunk[4096];
        for (ssize_t n; (n = read(errors_, chunk, sizeof chunk)) > 0;) result.errors.append(chunk, static_cast<std::size_t>(n));
        close(errors_);
        int status = 0;
        if (waitpid(pid_, &status, 0) == pid_) {
            if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
            if (WIFSIGNALED(status)) result.endSignal = WTERMSIG(status);
        }
        pid_ = 0;
        return result;
    }

private:
    // This process's environment without a display or a login session's
    // runtime folder, as in a cron job, and without the leak checker's list
    // of what it excused, which is not the program's output.
    static std::vector<std::string> ChildEnvironment() {
        static const std::set<std::string> kLeftOut = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM",
                                                      "XDG_RUNTIME_DIR", "LSAN_OPTIONS"};
        std::vector<std::string> environment;
        for (char** entry = environ; *entry != nullptr; ++entry) {
            const std::string text = *entry;
            if (kLeftOut.count(text.substr(0, text.find('='))) == 0) environment.push_back(text);
        }
        environment.push_back("LSAN_OPTIONS=print_suppressions=0");
        return environment;
    }

    // After the fork: only calls that are safe there, then exec.
    [[noreturn]] static void RunChild(const char* folder, char** argv, char** envp, long fileSizeLimit, int errors) {
        if (dup2(errors, STDERR_FILENO) < 0 || chdir(folder) != 0) _exit(126);
        if (fileSizeLimit > 0) {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{static_cast<rlim_t>(fileSizeLimit), static_cast<rlim_t>(fileSizeLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        execve(argv[0], argv, envp);
        _exit(127);
    }

    pid_t pid_ = -1;
    int errors_ = -1;
};

inline ExportResult RunExport(const std::string& folder, const std::vector<std::string>& args, long fileSizeLimit = 0) {
    return ExportProcess(folder, args, fileSizeLimit).Wait();
}

#endif
