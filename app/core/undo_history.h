// The changes of this run, newest last, that undo takes back and redo does
// again. Every change is rows added to a page or rows removed from it: a
// finished figure adds its row; emptying a page, deleting its temporary
// lines or erasing a figure removes rows. Undoing one is doing the other,
// so two kinds of step cover everything. Each row keeps its identity in the
// file (its rowid), so undo removes exactly that row and puts a removed row
// back in its old place, never going by content.
//
// The history lasts for the run. Its memory is bounded: the oldest steps go
// once the rows held pass the budget; the newest step always stays, so the
// last change can be undone whatever its size.
#ifndef TARNWICK_APP_CORE_UNDO_HISTORY_H
#define TARNWICK_APP_CORE_UNDO_HISTORY_H

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "kept_rows.h"
#include "owned_text.h"

struct HistoryRow {
    long long rowid = 0;  // its row in the file, or the row it had; 0 for none yet
    bool inFile = false;  // stored under rowid now (else kept, or out of the page)
    int kind = 0;
    OwnedText objData;
};

enum class Change { Added, Removed };

struct HistoryStep {
    std::uint64_t id = 0;
    Change change = Change::Added;
    int pageNumber = 0;
    std::vector<HistoryRow> rows;  // in the page's order
    std::size_t bytes = 0;
};

class UndoHistory {
public:
    // 64 MB: some 400 000 figures, or the rows of a few very full pages.
    static constexpr std::size_t kDefaultBudget = std::size_t{64} << 20;

    explicit UndoHistory(std::size_t budgetBytes = kDefaultBudget) : budget_(budgetBytes) {}

    // A change just done: the steps that could be redone go, and the oldest
    // go while the budget is passed. The new step's id, or 0 when memory
    // ran out (the change then cannot be undone, and nothing else is lost).
    std::uint64_t Record(Change change, int pageNumber, std::vector<HistoryRow>&& rows);

    HistoryStep* NextUndo() { return done_ > 0 ? &steps_[done_ - 1] : nullptr; }
    HistoryStep* NextRedo() { return done_ < steps_.size() ? &steps_[done_] : nullptr; }
    void Undone() {
        if (done_ > 0) --done_;
    }
    void Redone() {
        if (done_ < steps_.size()) ++done_;
    }

    // One row of a step, or null when that step is gone.
    HistoryRow* Row(HistoryPlace place);
    void Clear();

    std::size_t StepCount() const { return steps_.size(); }
    std::size_t Bytes() const { return bytes_; }

private:
    void DropOldest();

    std::deque<HistoryStep> steps_;  // ids ascending
    std::size_t done_ = 0;           // steps_[0, done_) are done, the rest undone
    std::size_t bytes_ = 0;
    std::size_t budget_;
    std::uint64_t lastId_ = 0;
};

// What a row costs the history.
std::size_t HistoryBytesOf(const HistoryRow& row);

#endif
