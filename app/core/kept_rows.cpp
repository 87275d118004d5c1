#include "kept_rows.h"

#include <algorithm>
#include <new>

bool KeptRows::Add(KeptRow&& row) {
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

void KeptRows::DropPage(int pageNumber, int kind) {
    std::erase_if(rows_, [&](const KeptRow& row) {
        return row.pageNumber == pageNumber && (kind == kAnyKind || row.kind == kind);
    });
}
