#include "undo_history.h"

#include <algorithm>
#include <new>

std::size_t HistoryBytesOf(const HistoryRow& row) {
    return sizeof(HistoryRow) + (row.objData ? std::strlen(row.objData.get()) + 1 : 0);
}

std::uint64_t UndoHistory::Record(Change change, int pageNumber, std::vector<HistoryRow>&& rows) {
    while (steps_.size() > done_) {
        bytes_ -= steps_.back().bytes;
        steps_.pop_back();
    }
    HistoryStep step;
    step.id = ++lastId_;
    step.change = change;
    step.pageNumber = pageNumber;
    step.bytes = sizeof(HistoryStep);
    for (const HistoryRow& row : rows) step.bytes += HistoryBytesOf(row);
    step.rows = std::move(rows);
    try {
        steps_.push_back(std::move(step));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    bytes_ += steps_.back().bytes;
    done_ = steps_.size();
    while (bytes_ > budget_ && steps_.size() > 1) DropOldest();
    return steps_.back().id;
}

void UndoHistory::DropOldest() {
    bytes_ -= steps_.front().bytes;
    steps_.pop_front();
    if (done_ > 0) --done_;
}

HistoryRow* UndoHistory::Row(HistoryPlace place) {
    auto step = std::lower_bound(steps_.begin(), steps_.end(), place.step,
                                 [](const HistoryStep& s, std::uint64_t id) { return s.id < id; });
    if (step == steps_.end() || step->id != place.step || place.row >= step->rows.size()) return nullptr;
    return &step->rows[place.row];
}

void UndoHistory::Clear() {
    steps_.clear();
    done_ = 0;
    bytes_ = 0;
}
