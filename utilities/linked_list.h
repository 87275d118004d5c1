// The list component: a doubly linked list of components holding one
// reference per item, with one cursor shared by every user of the list.
#ifndef TARNWICK_UTILITIES_LINKED_LIST_H
#define TARNWICK_UTILITIES_LINKED_LIST_H

#include "component.h"
#include "zlinklist.h"

class LinkedList final : public ComponentObject<LinkedList, ZLinklistCOM> {
public:
    explicit LinkedList(ComponentInterface* outer) : ComponentObject(outer) {}

    void AddHead(ComponentInterface* item) override;
    void AddTail(ComponentInterface* item) override;
    void RemoveAll() override;
    void RemoveCurrent() override;
    void InsertAfter(ComponentInterface* item) override;
    void InsertBefore(ComponentInterface* item) override;
    ComponentInterface* First() override;
    ComponentInterface* Last() override;
    ComponentInterface* Current() override;
    ComponentInterface* Next() override;
    ComponentInterface* Previous() override;

private:
    friend class ComponentObject<LinkedList, ZLinklistCOM>;
    ~LinkedList() { RemoveAll(); }

    struct ListNode {
        ComponentInterface* item;
        ListNode* next;
        ListNode* previous;
    };

    ListNode* NewNode(ComponentInterface* item);
    // Links `node` between `before` and `after` (either may be null).
    void Link(ListNode* node, ListNode* before, ListNode* after);
    static ComponentInterface* ItemOf(ListNode* node) { return node == nullptr ? nullptr : node->item; }

    ListNode* first_ = nullptr;
    ListNode* last_ = nullptr;
    ListNode* cursor_ = nullptr;
};

#endif
