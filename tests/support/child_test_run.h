// One test of a test binary run in a child process, for tests whose other
// half must run somewhere else (a program folder missing a library). The
// parent trusts the child only when exactly that test ran and passed and
// the child then exited with 0: a filter that matches nothing, a skip, a
// crash, or a leak report after the test passed all count as failures.
#ifndef TARNWICK_TESTS_SUPPORT_CHILD_TEST_RUN_H
#define TARNWICK_TESTS_SUPPORT_CHILD_TEST_RUN_H

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

struct ChildTestRun {
    std::string output;  // everything the child wrote, for failure messages
    int status = -1;     // as waitpid reports it; -1 when it could not run
};

// Runs `binary --gtest_filter=test` from `folder`, behind `prefix` (such as
// "timeout 60 ") when given.
inline ChildTestRun RunChildTest(const std::string& folder, const std::string& binary, const std::string& test,
                                 const std::string& prefix = "") {
    const std::string command = "cd '" + folder + "' && exec " + prefix + "'" + binary + "' --gtest_filter=" + test +
                                " 2>&1";
    ChildTestRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char line[512];
    while (fgets(line, sizeof(line), pipe) != nullptr) run.output += line;
    run.status = pclose(pipe);
    return run;
}

inline ::testing::AssertionResult RanAloneAndPassed(const ChildTestRun& run, const std::string& test) {
    const auto says = [&](const std::string& line) { return run.output.find(line) != std::string::npos; };
    if (!says("[==========] 1 test from 1 test suite ran."))
        return ::testing::AssertionFailure() << "not exactly one test ran for " << test << ":\n" << run.output;
    if (!says("[       OK ] " + test + " (") || !says("[  PASSED  ] 1 test."))
        return ::testing::AssertionFailure() << test << " did not pass (or was skipped):\n" << run.output;
    if (run.status == -1 || !WIFEXITED(run.status) || WEXITSTATUS(run.status) != 0)
        return ::testing::AssertionFailure() << "the child ended with status " << run.status << ":\n" << run.output;
    return ::testing::AssertionSuccess();
}

#endif
