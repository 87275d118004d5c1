// What the program does with its command line, in this order: answer
// --help or --version, or refuse what it cannot use (no display needed);
// for the window, make sure there is a display; move into the working
// folder; then export to PDF (no display needed) or open the main window.
// Nothing is made or opened before the last two steps. The parts that act
// are handed in, so the order can be tested without them.
#ifndef TARNWICK_APP_CLI_PROGRAM_START_H
#define TARNWICK_APP_CLI_PROGRAM_START_H

#include <cstdio>

#include "notebook_export.h"

struct ProgramParts {
    int (*openWindow)();                           // the main window and its loop; its exit code
    int (*exportPdf)(const ExportRequest& request);  // its exit code
    int (*displayAvailable)();                     // non-zero when a window can be shown
};

// Returns the process's exit code: 0 for --help and --version; 2 after one
// line on `err` for a command line or FOLDER it cannot use; 1 after one
// line when there is no display or the working folder cannot be made or
// entered; otherwise what the export or the window returns. A relative
// OUT.pdf is taken from the folder the program was started in.
int StartProgram(int argc, const char* const* argv, const ProgramParts& parts, std::FILE* out,
                 std::FILE* err);

#endif
