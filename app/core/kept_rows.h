// Figures that could not be stored yet, as the rows they will become, in
// the order they were finished. Rows leave only once their INSERT has
// succeeded, so nothing is written twice and nothing is dropped.
#ifndef TARNWICK_APP_CORE_KEPT_ROWS_H
#define TARNWICK_APP_CORE_KEPT_ROWS_H

#include <cstdint>
#include <deque>

#include "owned_text.h"

// Every kind of figure, where a kind is asked for.
inline constexpr int kAnyKind = 0;

// Which row of which step of the undo history a kept row is; step 0 is
// none (rows from an earlier run).
struct HistoryPlace {
    std::uint64_t step = 0;
    std::uint32_t row = 0;
};

struct KeptRow {
    int pageNumber = 0;
    int kind = 0;
    OwnedText objData;
    long long formerRowid = 0;  // the place it had before an undo took it out; 0 for none
    HistoryPlace origin;
    bool fromUnsavedFile = false;  // a row a former run left in the unsaved file
    std::uint64_t serial = 0;      // given by Add: which kept row it is, until it is stored
};

class KeptRows {
public:
    // Takes the row under a serial of its own; false, and the row left with
    // the caller, when memory runs out.
    bool Add(KeptRow&& row);
    const std::deque<KeptRow>& Rows() const { return rows_; }
    // The first `count` rows were stored.
    void DropFirst(std::size_t count);
    // Drops the rows of a page, of one kind unless kind is kAnyKind: what
    // the user deleted is not written later. Hands them to `dropped` in
    // order when it is given.
    void DropPage(int pageNumber, int kind, std::deque<KeptRow>* dropped = nullptr);
    // Drops the rows one step of the history put here.
    void DropStep(std::uint64_t step);
    // Drops the rows that came from the unsaved file.
    void DropUnsavedFileRows();
    void Clear() { rows_.clear(); }
    int Count() const { return static_cast<int>(rows_.size()); }

private:
    std::deque<KeptRow> rows_;
    std::uint64_t lastSerial_ = 0;
};

#endif
