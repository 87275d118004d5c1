// ZLinklistCOM: an ordered list of components holding one reference per item,
// walked with one built-in cursor shared by all of its users.
#ifndef TARNWICK_INTERFACES_ZLINKLIST_H
#define TARNWICK_INTERFACES_ZLINKLIST_H

#include "component_interface.h"

class ZLinklistCOM : public ComponentInterface {
public:
    virtual void AddHead(ComponentInterface* item) = 0;       // slot 2
    virtual void AddTail(ComponentInterface* item) = 0;       // slot 3
    virtual void RemoveAll() = 0;                             // slot 4
    virtual void RemoveCurrent() = 0;                         // slot 5
    virtual void InsertAfter(ComponentInterface* item) = 0;   // slot 6
    virtual void InsertBefore(ComponentInterface* item) = 0;  // slot 7
    virtual ComponentInterface* First() = 0;                  // slot 8
    virtual ComponentInterface* Last() = 0;                   // slot 9
    virtual ComponentInterface* Current() = 0;                // slot 10
    virtual ComponentInterface* Next() = 0;                   // slot 11
    virtual ComponentInterface* Previous() = 0;               // slot 12
};

#endif
