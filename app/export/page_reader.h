// The pages an export writes, read from the notebook a few pages ahead of
// the drawing, on a thread of their own: reading a page from the file costs
// about a fifth of drawing and compressing it, and a second core does it
// meanwhile. The store is used by that thread alone until the reader is
// gone. Where no thread can be started, each page is read when asked for.
#ifndef TARNWICK_APP_EXPORT_PAGE_READER_H
#define TARNWICK_APP_EXPORT_PAGE_READER_H

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "notebook_file.h"

class PageReader {
public:
    PageReader(NotebookFile& notebook, const std::vector<int>& pages);
    // Stops reading and waits for the thread.
    ~PageReader();
    PageReader(const PageReader&) = delete;
    PageReader& operator=(const PageReader&) = delete;

    // The next page of the list, as read; false, with Fault(), when the
    // file could not be read.
    bool Next(PageRows& page);
    std::string Fault() const;

private:
    // Why reading stopped. The reading thread only moves texts, so that
    // nothing it does can throw.
    struct Failure {
        std::string fault;
        bool outOfMemory = false;
    };

    void ReadAll();
    bool ReadOne(int pageNumber, PageRows& page, Failure& failure);
    // Queues a page read for the drawing; called with the lock held.
    bool HandOver(PageRows& page);

    NotebookFile& notebook_;
    const std::vector<int>& pages_;
    std::size_t handedOut_ = 0;
    Failure failure_;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<PageRows> ready_;
    bool failed_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

#endif
