// The one line on stderr that tells how far an export of more than a few
// pages has come. On a terminal it counts the pages as they are written,
// in place; elsewhere (a log, a pipe) it is written once, when the work
// starts, so a log holds no carriage returns.
#ifndef TARNWICK_APP_EXPORT_PROGRESS_LINE_H
#define TARNWICK_APP_EXPORT_PROGRESS_LINE_H

#include <cstddef>
#include <string>

// More pages than this show the line.
inline constexpr std::size_t kQuietPageCount = 5;

class ProgressLine {
public:
    ProgressLine(std::size_t pageCount, const std::string& output);
    // Ends the line, so whatever follows starts on its own.
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void PageDone(std::size_t pagesDone);
    // Ends the line now, before a message; nothing more is counted.
    void End();

private:
    std::size_t pageCount_;
    std::string output_;
    bool shown_;
    bool counting_;
};

#endif
