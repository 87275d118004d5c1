// Figures that could not be stored yet, as the rows they will become, in
// the order they were finished. Rows leave only once their INSERT has
// succeeded, so nothing is written twice and nothing is dropped.
#ifndef TARNWICK_APP_CORE_KEPT_ROWS_H
#define TARNWICK_APP_CORE_KEPT_ROWS_H

#include <deque>

#include "owned_text.h"

// Every kind of figure, where a kind is asked for.
inline constexpr int kAnyKind = 0;

struct KeptRow {
    int pageNumber = 0;
    int kind = 0;
    OwnedText objData;
};

class KeptRows {
public:
    // Takes the row; false, and the row left with the caller as it was,
    // when memory runs out.
    bool Add(KeptRow&& row);
    const std::deque<KeptRow>& Rows() const { return rows_; }
    // The first `count` rows were stored.
    void DropFirst(std::size_t count);
    // Drops the rows of a page, of one kind unless kind is kAnyKind: what
    // the user deleted is not written later.
    void DropPage(int pageNumber, int kind);
    void Clear() { rows_.clear(); }
    int Count() const { return static_cast<int>(rows_.size()); }

private:
    std::deque<KeptRow> rows_;
};

#endif
