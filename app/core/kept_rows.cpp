#include "kept_rows.h"

#include <cstdlib>
#include <new>

bool KeptRows::Add(int pageNumber, char* objData, int kind) {
    auto* row = new (std::nothrow) KeptRow{nullptr, pageNumber, kind, objData};
    if (row == nullptr) return false;
    (tail_ != nullptr ? tail_->next : head_) = row;
    tail_ = row;
    ++count_;
    return true;
}

void KeptRows::DropFirst() {
    KeptRow* row = head_;
    if (row == nullptr) return;
    head_ = row->next;
    if (head_ == nullptr) tail_ = nullptr;
    std::free(row->objData);
    delete row;
    --count_;
}

void KeptRows::DropPage(int pageNumber, int kind) {
    KeptRow** link = &head_;
    tail_ = nullptr;
    while (*link != nullptr) {
        KeptRow* row = *link;
        if (row->pageNumber == pageNumber && (kind == 0 || row->kind == kind)) {
            *link = row->next;
            std::free(row->objData);
            delete row;
            --count_;
        } else {
            tail_ = row;
            link = &row->next;
        }
    }
}

void KeptRows::Clear() {
    while (head_ != nullptr) DropFirst();
}
