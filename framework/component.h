// The implementation base every component class carries first: interface
// table, an unsigned 32-bit reference count starting at 1, and the outer.
// Every reference on the object is also a reference on its outer, so the
// outer (a loaded library's record, or the surface that made an object)
// outlives all of its dependants.
#ifndef TARNWICK_FRAMEWORK_COMPONENT_H
#define TARNWICK_FRAMEWORK_COMPONENT_H

#include <cstdint>

#include "component_interface.h"

// Derived is the concrete class (CRTP), so the final Release deletes the
// right type without adding a destructor slot to the interface table.
template <class Derived, class Interface>
class ComponentObject : public Interface {
public:
    void AddRef() override {
        ++referenceCount_;
        if (outer_ != nullptr) outer_->AddRef();
    }

    // The outer's reference goes first: the outer receives exactly as many
    // releases as it received references for this object, the one taken at
    // construction included.
    void Release() override {
        if (outer_ != nullptr) outer_->Release();
        if (--referenceCount_ == 0) delete static_cast<Derived*>(this);
    }

    std::uint32_t ReferenceCount() const { return referenceCount_; }

protected:
    explicit ComponentObject(ComponentInterface* outer) : referenceCount_(1), outer_(outer) {
        if (outer_ != nullptr) outer_->AddRef();
    }
    ~ComponentObject() = default;

    ComponentInterface* Outer() const { return outer_; }

private:
    ComponentObject(const ComponentObject&) = delete;
    ComponentObject& operator=(const ComponentObject&) = delete;

    std::uint32_t referenceCount_;
    ComponentInterface* outer_;
};

#endif
