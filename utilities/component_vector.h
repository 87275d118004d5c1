// The vector component: an indexable array of component pointers that owns
// one reference per element (handed over by Add, released at destruction).
#ifndef TARNWICK_UTILITIES_COMPONENT_VECTOR_H
#define TARNWICK_UTILITIES_COMPONENT_VECTOR_H

#include "component.h"
#include "element_array.h"
#include "zvector.h"

class ComponentVector final : public ComponentObject<ComponentVector, ZVectorCOM> {
public:
    explicit ComponentVector(ComponentInterface* outer)
        : ComponentObject(outer), elements_(sizeof(ComponentInterface*)) {}

    void Add(ComponentInterface* const* element) override;
    void Reserved(int) override {}
    int GetCount() override { return elements_.GetCount(); }
    ComponentInterface** GetAt(int index) override;
    ComponentInterface** GetData() override;
    int Resize(int elements) override { return elements_.Resize(elements); }

private:
    friend class ComponentObject<ComponentVector, ZVectorCOM>;
    ~ComponentVector();

    ElementArray elements_;
};

#endif
