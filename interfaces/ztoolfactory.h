// ZToolFactory: fills a list with the five drawing tools and draws their
// icons into owner-drawn list items.
#ifndef TARNWICK_INTERFACES_ZTOOLFACTORY_H
#define TARNWICK_INTERFACES_ZTOOLFACTORY_H

#include "component_interface.h"
#include "windows.h"
#include "zlinklist.h"

// CreateTools appends this many tools: line, rectangle, ellipse, text and
// polygon, in that order.
inline constexpr int kFactoryToolCount = 5;

class ZToolFactory : public ComponentInterface {
public:
    virtual void CreateTools(ZLinklistCOM* list) = 0;                      // slot 2
    virtual void KeepReference(ComponentInterface* component) = 0;        // slot 3
    virtual int DrawToolIcon(int index, DRAWITEMSTRUCT* item) = 0;         // slot 4
};

#endif
