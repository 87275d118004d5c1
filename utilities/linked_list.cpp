#include "linked_list.h"

#include <new>

// A node that cannot be allocated means the item is neither stored nor
// referenced; the operations have no result to report it with.
LinkedList::ListNode* LinkedList::NewNode(ComponentInterface* item) {
    return new (std::nothrow) ListNode{item, nullptr, nullptr};
}

void LinkedList::Link(ListNode* node, ListNode* before, ListNode* after) {
    node->previous = before;
    node->next = after;
    if (before != nullptr) before->next = node; else first_ = node;
    if (after != nullptr) after->previous = node; else last_ = node;
}

void LinkedList::AddHead(ComponentInterface* item) {
    if (item == nullptr) return;
    ListNode* node = NewNode(item);
    if (node == nullptr) return;
    if (first_ == nullptr) cursor_ = node;
    Link(node, nullptr, first_);
    item->AddRef();
}

void LinkedList::AddTail(ComponentInterface* item) {
    if (item == nullptr) return;
    ListNode* node = NewNode(item);
    if (node == nullptr) return;
    if (first_ == nullptr) cursor_ = node;
    Link(node, last_, nullptr);
    item->AddRef();
}

// Without a cursor in a non-empty list (a walk ran off the end) the new node
// goes to the end for InsertAfter and to the front for InsertBefore.
void LinkedList::InsertAfter(ComponentInterface* item) {
    if (item == nullptr) return;
    ListNode* node = NewNode(item);
    if (node == nullptr) return;
    ListNode* before = cursor_ != nullptr ? cursor_ : last_;
    Link(node, before, before != nullptr ? before->next : nullptr);
    cursor_ = node;
    item->AddRef();
}

void LinkedList::InsertBefore(ComponentInterface* item) {
    if (item == nullptr) return;
    ListNode* node = NewNode(item);
    if (node == nullptr) return;
    ListNode* after = cursor_ != nullptr ? cursor_ : first_;
    Link(node, after != nullptr ? after->previous : nullptr, after);
    cursor_ = node;
    item->AddRef();
}

void LinkedList::RemoveAll() {
    for (ListNode* node = first_; node != nullptr; node = node->next) node->item->Release();
    ListNode* node = first_;
    while (node != nullptr) {
        ListNode* next = node->next;
        delete node;
        node = next;
    }
    first_ = last_ = cursor_ = nullptr;
}

void LinkedList::RemoveCurrent() {
    ListNode* node = cursor_;
    if (node == nullptr) return;
    if (node->previous != nullptr) node->previous->next = node->next; else first_ = node->next;
    if (node->next != nullptr) node->next->previous = node->previous; else last_ = node->previous;
    cursor_ = node->previous != nullptr ? node->previous : node->next;
    ComponentInterface* item = node->item;
    delete node;
    item->Release();
}

ComponentInterface* LinkedList::First() {
    if (first_ == nullptr) return nullptr;
    cursor_ = first_;
    return cursor_->item;
}

ComponentInterface* LinkedList::Last() {
    if (last_ == nullptr) return nullptr;
    cursor_ = last_;
    return cursor_->item;
}

ComponentInterface* LinkedList::Current() { return ItemOf(cursor_); }

ComponentInterface* LinkedList::Next() {
    if (cursor_ == nullptr) return nullptr;
    cursor_ = cursor_->next;
    return ItemOf(cursor_);
}

ComponentInterface* LinkedList::Previous() {
    if (cursor_ == nullptr) return nullptr;
    cursor_ = cursor_->previous;
    return ItemOf(cursor_);
}
