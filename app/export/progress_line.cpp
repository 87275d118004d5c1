#include "progress_line.h"

#include <unistd.h>

#include <cstdio>

ProgressLine::ProgressLine(std::size_t pageCount, const std::string& output)
    : pageCount_(pageCount), output_(output), shown_(pageCount > kQuietPageCount),
      counting_(shown_ && isatty(STDERR_FILENO) == 1) {
    if (shown_ && !counting_) std::fprintf(stderr, "tarnwick: writing %zu pages to %s\n", pageCount_, output_.c_str());
    if (counting_) PageDone(0);
}

ProgressLine::~ProgressLine() { End(); }

void ProgressLine::End() {
    if (counting_) std::fputc('\n', stderr);
    counting_ = false;
}

void ProgressLine::PageDone(std::size_t pagesDone) {
    if (!counting_) return;
    std::fprintf(stderr, "\rtarnwick: writing %zu pages to %s: %zu done", pageCount_, output_.c_str(), pagesDone);
    std::fflush(stderr);
}
