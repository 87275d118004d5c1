// Runs a piece of a test in a forked child and returns its exit code. As
// root, the child drops to an unprivileged user first when asked, so file
// permissions apply to it (root ignores them).
#ifndef TARNWICK_TESTS_SQLSTORE_CHILD_PROCESS_H
#define TARNWICK_TESTS_SQLSTORE_CHILD_PROCESS_H

#include <sys/wait.h>
#include <unistd.h>

constexpr uid_t kUnprivilegedUser = 65534;  // "nobody"
// The child's exit code when it could not drop its privileges.
constexpr int kNoUnprivilegedUser = 120;

template <class Body>
int RunInChild(Body body, bool unprivileged = false) {
    pid_t child = fork();
    if (child == 0) {
        if (unprivileged && geteuid() == 0 &&
            (setgid(kUnprivilegedUser) != 0 || setuid(kUnprivilegedUser) != 0)) {
            _exit(kNoUnprivilegedUser);
        }
        _exit(body());
    }
    if (child < 0) return -1;
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

#endif
