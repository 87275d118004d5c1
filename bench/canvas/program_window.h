// The program's real main window over a page of stored figures, in a
// scratch folder, at the size of a full-HD screen: the record, the window,
// the canvas and the message loop are the program's own.
#ifndef TARNWICK_BENCH_CANVAS_PROGRAM_WINDOW_H
#define TARNWICK_BENCH_CANVAS_PROGRAM_WINDOW_H

#include "page_figures.h"
#include "scratch_folder.h"
#include "windows.h"

class ProgramWindow {
public:
    // A main window of 1920 x 1080 whose page 1 holds `figures`.
    explicit ProgramWindow(const std::vector<PageFigure>& figures);
    ~ProgramWindow();
    ProgramWindow(const ProgramWindow&) = delete;
    ProgramWindow& operator=(const ProgramWindow&) = delete;

    bool ok() const { return window_ != nullptr; }
    HWND canvas() const { return canvas_; }

    // Posts a message to the canvas and runs one turn of the program's
    // loop: the queue, the key table, the dialog keys, the dispatch.
    void PostAndDispatch(UINT message, int x, int y);
    // Lets the window system show what changed (repaints, flushes).
    static void ShowChanges();

private:
    ScratchFolder folder_;
    std::string previousFolder_;
    HWND window_ = nullptr;
    HWND canvas_ = nullptr;
    HACCEL keys_ = nullptr;
};

// Stores the figures on the current page of the running record, in one
// transaction.
void StoreFigures(const std::vector<PageFigure>& figures);

#endif
