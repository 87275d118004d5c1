// ZVectorCOM: an indexable array of component pointers that owns one
// reference per element. Elements are component pointers, so each is the
// size of a pointer on this platform.
#ifndef TARNWICK_INTERFACES_ZVECTOR_H
#define TARNWICK_INTERFACES_ZVECTOR_H

#include "component_interface.h"

class ZVectorCOM : public ComponentInterface {
public:
    // Appends the pointer stored at `element`; the vector takes over that
    // reference (no AddRef). A null address does nothing.
    virtual void Add(ComponentInterface* const* element) = 0;  // slot 2
    virtual void Reserved(int unused) = 0;                     // slot 3
    virtual int GetCount() = 0;                                // slot 4
    virtual ComponentInterface** GetAt(int index) = 0;         // slot 5
    virtual ComponentInterface** GetData() = 0;                // slot 6
    virtual int Resize(int elements) = 0;                      // slot 7
};

#endif
