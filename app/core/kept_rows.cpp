#include "kept_rows.h"

#include <algorithm>
#include <new>

bool KeptRows::Add(KeptRow&& row) {
    row.serial = ++lastSerial_;
    try {
        rows_.push_back(std::move(row));
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void KeptRows::DropFirst(std::size_t count) {
    rows_.erase(rows_.begin(), rows_.begin() + static_cast<std::ptrdiff_t>(std::min(count, rows_.size())));
}

namespace {

template <class Matches>
void Remove(std::deque<KeptRow>& rows, Matches matches, std::deque<KeptRow>* dropped) {
    auto kept = rows.begin();
    for (auto row = rows.begin(); row != rows.end(); ++row) {
        if (!matches(*row)) {
            if (kept != row) *kept = std::move(*row);
            ++kept;
            continue;
        }
        if (dropped == nullptr) continue;
        // Handing over only moves the row; when even that fails the row is
        // dropped without a copy, as it would have been before undo existed.
        try {
            dropped->push_back(std::move(*row));
        } catch (const std::bad_alloc&) {
        }
    }
    rows.erase(kept, rows.end());
}

}  // namespace

void KeptRows::DropPage(int pageNumber, int kind, std::deque<KeptRow>* dropped) {
    Remove(
        rows_,
        [&](const KeptRow& row) { return row.pageNumber == pageNumber && (kind == kAnyKind || row.kind == kind); },
        dropped);
}

void KeptRows::DropStep(std::uint64_t step) {
    if (step == 0) return;
    Remove(rows_, [&](const KeptRow& row) { return row.origin.step == step; }, nullptr);
}

void KeptRows::DropUnsavedFileRows() {
    Remove(rows_, [](const KeptRow& row) { return row.fromUnsavedFile; }, nullptr);
}
