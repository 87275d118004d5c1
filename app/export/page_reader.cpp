#include "page_reader.h"

#include <new>
#include <system_error>

namespace {

// Pages read and not yet drawn: enough to keep the drawing fed, few
// enough that a notebook of large pages holds little more in memory.
constexpr std::size_t kPagesAhead = 2;

}  // namespace

PageReader::PageReader(NotebookFile& notebook, const std::vector<int>& pages) : notebook_(notebook), pages_(pages) {
    try {
        thread_ = std::thread(&PageReader::ReadAll, this);
    } catch (const std::system_error&) {
        // No thread to be had: Next reads each page itself.
    }
}

PageReader::~PageReader() {
    if (!thread_.joinable()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

bool PageReader::ReadOne(int pageNumber, PageRows& page, Failure& failure) {
    try {
        if (notebook_.ReadPage(pageNumber, page)) return true;
        failure.fault = notebook_.Fault();
    } catch (const std::bad_alloc&) {
        failure.outOfMemory = true;
    }
    return false;
}

std::string PageReader::Fault() const {
    return failure_.outOfMemory ? "the export ran out of memory reading the notebook" : failure_.fault;
}

bool PageReader::HandOver(PageRows& page) {
    try {
        ready_.push_back(std::move(page));
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void PageReader::ReadAll() {
    for (int pageNumber : pages_) {
        PageRows page;
        Failure failure;
        const bool read = ReadOne(pageNumber, page, failure);
        bool handedOver = false;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            changed_.wait(lock, [this] { return stopping_ || ready_.size() < kPagesAhead; });
            if (stopping_) return;
            handedOver = read && HandOver(page);
            if (!handedOver) {
                failed_ = true;
                failure_.outOfMemory = read || failure.outOfMemory;
                failure_.fault.swap(failure.fault);
            }
        }
        changed_.notify_all();
        if (!handedOver) return;
    }
}

bool PageReader::Next(PageRows& page) {
    if (handedOut_ >= pages_.size()) return false;
    const int pageNumber = pages_[handedOut_++];
    if (!thread_.joinable()) return ReadOne(pageNumber, page, failure_);
    {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return failed_ || !ready_.empty(); });
        if (ready_.empty()) return false;
        page = std::move(ready_.front());
        ready_.pop_front();
    }
    // Outside the lock, so that the reader wakes to a free lock.
    changed_.notify_all();
    return true;
}
