// A file that must not outlive the run when a signal ends it (Ctrl+C, a
// terminal closed, kill): the temporary PDF of an export. One at a time.
#ifndef TARNWICK_APP_EXPORT_REMOVAL_ON_SIGNAL_H
#define TARNWICK_APP_EXPORT_REMOVAL_ON_SIGNAL_H

// Removes the file if SIGINT, SIGTERM or SIGHUP ends the process, which
// then ends as the signal would have ended it.
void RemoveOnSignal(const char* path);
// The file is gone or has its final name: signals act as before again.
void ForgetRemovalOnSignal();

#endif
