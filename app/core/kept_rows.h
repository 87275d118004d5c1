// Figures that could not be stored yet, as the rows they will become, in
// the order they were finished. A row leaves only once its INSERT has
// succeeded, so nothing is written twice and nothing is dropped.
#ifndef TARNWICK_APP_CORE_KEPT_ROWS_H
#define TARNWICK_APP_CORE_KEPT_ROWS_H

struct KeptRow {
    KeptRow* next;
    int pageNumber;
    int kind;
    char* objData;  // malloc'ed, owned by the row
};

class KeptRows {
public:
    KeptRows() = default;
    ~KeptRows() { Clear(); }
    KeptRows(const KeptRows&) = delete;
    KeptRows& operator=(const KeptRows&) = delete;

    // Takes over objData (malloc'ed); false, and objData still the
    // caller's, when memory runs out.
    bool Add(int pageNumber, char* objData, int kind);
    const KeptRow* First() const { return head_; }
    void DropFirst();
    // Drops the rows of a page, of one kind only when kind is not 0: what
    // the user deleted is not written later.
    void DropPage(int pageNumber, int kind = 0);
    void Clear();
    int Count() const { return count_; }

private:
    KeptRow* head_ = nullptr;
    KeptRow* tail_ = nullptr;
    int count_ = 0;
};

#endif
