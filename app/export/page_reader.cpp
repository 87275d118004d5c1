#include "page_reader.h"

#include <new>
#include <system_error>

int PageReader::SlotQueue::Pop() {
    const int slot = slots_[first_];
    first_ = (first_ + 1) % kSlots;
    --count_;
    return slot;
}

PageReader::PageReader(NotebookFile& notebook, const std::vector<int>& pages) : notebook_(notebook), pages_(pages) {
    if (!MakeSurfaces()) {
        failed_ = true;
        failure_.outOfMemory = true;
        return;
    }
    for (int slot = 0; slot < kSlots; ++slot) spare_.Push(slot);
    try {
        thread_ = std::thread(&PageReader::ReadAll, this);
    } catch (const std::system_error&) {
        // No thread to be had: Next reads each page itself.
    } catch (const std::bad_alloc&) {
    }
}

PageReader::~PageReader() {
    if (thread_.joinable()) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
    for (FigurePage& page : slots_) {
        ReleaseFigures(page);
        if (page.surface != nullptr) page.surface->Release();
    }
}

bool PageReader::MakeSurfaces() {
    for (FigurePage& page : slots_) {
        page.surface = notebook_.CreateSurface();
        if (page.surface == nullptr) return false;
    }
    return true;
}

void PageReader::ReleaseFigures(FigurePage& page) {
    for (DrawObject* figure : page.figures) figure->Release();
    page.figures.clear();
}

void PageReader::Draw(const FigurePage& page, HDC dc) {
    page.surface->SetDC(dc);
    for (DrawObject* figure : page.figures) figure->Draw();
}

bool PageReader::ReadOne(int pageNumber, FigurePage& page, Failure& failure) {
    try {
        if (!notebook_.ReadPage(pageNumber, page.rows)) {
            failure.fault = notebook_.Fault();
            return false;
        }
        if (notebook_.DecodePage(pageNumber, page.rows, page.surface, page.figures)) return true;
    } catch (const std::bad_alloc&) {
    }
    failure.outOfMemory = true;
    return false;
}

std::string PageReader::Fault() const {
    return failure_.outOfMemory ? "the export ran out of memory reading the notebook" : failure_.fault;
}

int PageReader::TakeSpareSlot() {
    int slot = -1;
    {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return stopping_ || !spare_.Empty(); });
        if (stopping_) return -1;
        slot = spare_.Pop();
    }
    ReleaseFigures(slots_[slot]);
    return slot;
}

void PageReader::ReadAll() {
    for (int pageNumber : pages_) {
        const int slot = TakeSpareSlot();
        if (slot < 0) return;
        Failure failure;
        const bool read = ReadOne(pageNumber, slots_[slot], failure);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (read) {
                ready_.Push(slot);
            } else {
                failed_ = true;
                failure_.outOfMemory = failure.outOfMemory;
                failure_.fault.swap(failure.fault);
            }
        }
        changed_.notify_all();
        if (!read) return;
    }
}

const FigurePage* PageReader::Next() {
    if (handedOut_ >= pages_.size()) return nullptr;
    const int pageNumber = pages_[handedOut_++];
    if (!thread_.joinable()) {
        if (failed_) return nullptr;
        FigurePage& page = slots_[0];
        ReleaseFigures(page);
        return ReadOne(pageNumber, page, failure_) ? &page : nullptr;
    }
    {
        std::unique_lock<std::mutex> lock(mutex_);
        // The page drawn last goes back to the reading, which releases its figures.
        if (drawing_ >= 0) spare_.Push(drawing_);
        drawing_ = -1;
        changed_.wait(lock, [this] { return failed_ || !ready_.Empty(); });
        if (ready_.Empty()) return nullptr;
        drawing_ = ready_.Pop();
    }
    // Outside the lock, so that the reader wakes to a free lock.
    changed_.notify_all();
    return &slots_[drawing_];
}
