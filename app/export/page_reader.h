// The pages an export writes, read from the notebook and decoded into
// figures a few pages ahead of the drawing, on a thread of their own:
// reading and decoding a page costs about a third of drawing and
// compressing it, and a second core does it meanwhile.
//
// Each page in flight has a drawing surface of its own, which made its
// figures; a page, its surface and its figures belong to one thread at a
// time and change hands only under the reader's lock. The reading thread
// also releases the figures of pages already drawn, so that it alone
// touches reference counts, which are not atomic and reach the shared
// library record, and it alone uses the store until the reader is gone. Where no thread can be started, each
// page is read when asked for.
#ifndef TARNWICK_APP_EXPORT_PAGE_READER_H
#define TARNWICK_APP_EXPORT_PAGE_READER_H

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "notebook_file.h"

// A page ready to draw: its figures, made by its surface, in drawing order.
struct FigurePage {
    ZDrawSp* surface = nullptr;
    std::vector<DrawObject*> figures;
    PageRows rows;  // the page as read, kept for its buffers
};

class PageReader {
public:
    PageReader(NotebookFile& notebook, const std::vector<int>& pages);
    // Stops reading, waits for the thread and releases every figure.
    ~PageReader();
    PageReader(const PageReader&) = delete;
    PageReader& operator=(const PageReader&) = delete;

    // The next page of the list, valid until the next call; null, with
    // Fault(), when the file could not be read.
    const FigurePage* Next();
    std::string Fault() const;

    // Draws the page's figures on the DC, whose mapping is set already.
    static void Draw(const FigurePage& page, HDC dc);

private:
    // Why reading stopped. Reading a page catches running out of memory and
    // the fault is swapped in under the lock, so nothing the reading thread
    // does can throw.
    struct Failure {
        std::string fault;
        bool outOfMemory = false;
    };

    bool MakeSurfaces();
    void ReadAll();
    bool ReadOne(int pageNumber, FigurePage& page, Failure& failure);
    // The slot the reading fills next, its figures from an earlier page
    // released; -1 when stopping.
    int TakeSpareSlot();
    static void ReleaseFigures(FigurePage& page);

    NotebookFile& notebook_;
    const std::vector<int>& pages_;
    std::size_t handedOut_ = 0;
    // A page being read, two ready and one being drawn.
    static constexpr int kSlots = 4;

    // Slot numbers in the order they were put in: each slot is in one
    // queue at most, so a queue never holds more than kSlots and never
    // needs memory.
    class SlotQueue {
    public:
        bool Empty() const { return count_ == 0; }
        void Push(int slot) { slots_[(first_ + count_++) % kSlots] = slot; }
        int Pop();

    private:
        int slots_[kSlots] = {};
        int first_ = 0;
        int count_ = 0;
    };

    FigurePage slots_[kSlots];
    int drawing_ = -1;
    Failure failure_;

    std::mutex mutex_;
    std::condition_variable changed_;
    SlotQueue spare_;  // slots free to fill, perhaps with figures to release
    SlotQueue ready_;  // pages read, in the list's order
    bool failed_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

#endif
