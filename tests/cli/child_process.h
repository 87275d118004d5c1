// Runs a program as a child process in a given folder and environment and
// reads everything about how it ended: exit code or signal, and what it
// wrote on each stream. The wait has a loose deadline; a child still
// running then is killed and reported as such.
#ifndef TARNWICK_TESTS_CLI_CHILD_PROCESS_H
#define TARNWICK_TESTS_CLI_CHILD_PROCESS_H

#include <sys/types.h>

#include <string>
#include <utility>
#include <vector>

struct ChildEnvironment {
    std::vector<std::string> unset;                           // removed from this process's environment
    std::vector<std::pair<std::string, std::string>> set;     // then set
};

struct ChildResult {
    bool ended = false;  // false: still running at the deadline (then killed)
    int exitCode = -1;   // -1 when a signal ended it
    int signal = 0;
    std::string out, err;
};

// Starts `argv` (argv[0] the program's path) in `folder`; its output goes to
// files in `scratch`. Returns the child's id, or -1.
pid_t StartChild(const std::vector<std::string>& argv, const std::string& folder,
                 const ChildEnvironment& environment, const std::string& scratch);

// Waits for the child until `seconds` have passed, then kills it; reads
// its output back.
ChildResult WaitForChild(pid_t child, const std::string& scratch, double seconds);

// Ends a running child with SIGTERM and waits for it.
ChildResult StopChild(pid_t child, const std::string& scratch);

#endif
