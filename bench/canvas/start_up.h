// Start-up: how long from a process's main to the end of its first paint,
// for the program (the page of figures in the working folder, painted by
// its first WM_PAINT) and for a bare QWidget. Each run is a fresh process:
// this binary started again in a child role.
#ifndef TARNWICK_BENCH_CANVAS_START_UP_H
#define TARNWICK_BENCH_CANVAS_START_UP_H

#include <string>

// The role argument a child is started with.
inline constexpr char kProgramChild[] = "--start-program";
inline constexpr char kQtChild[] = "--start-bare-widget";

struct StartUpTimes {
    double toFirstPaintMs = 0;  // from main to the end of the first paint
    double fromExecMs = 0;      // the same from before the process was started
    bool ok = false;
};

// Runs this binary once in a child role in `folder`; the child's report.
StartUpTimes TimeStartUp(const char* role, const std::string& folder);

// The child roles; each prints its report and returns the exit code.
int RunProgramChild();
int RunBareWidgetChild();

// Makes `folder`'s Veldrin.dat hold a page 1 of `figures` figures.
bool FillStartUpFolder(const std::string& folder, int figures);

// A point on a clock shared by all processes, in milliseconds.
double NowMs();

#endif
