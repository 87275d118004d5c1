// What every drawing tool shares: the surface it draws on (one counted
// reference), the host's callback, Attach, the hand-over of a finished object,
// and the do-nothing defaults of SetText and SetTemporary. Each tool derives
// from this with itself as Derived, so the final Release deletes the tool.
#ifndef TARNWICK_DRAWTOOLS_TOOL_BASE_H
#define TARNWICK_DRAWTOOLS_TOOL_BASE_H

#include "component.h"
#include "draw_tool.h"

template <class Derived>
class ToolBase : public ComponentObject<Derived, DrawTool> {
public:
    // Swaps the surface (the new one is referenced before the old one is let
    // go, so attaching the same surface twice keeps exactly one reference).
    int Attach(ZDrawSp* surface, ToolCallback callback) override {
        if (surface != nullptr) surface->AddRef();
        if (surface_ != nullptr) surface_->Release();
        surface_ = surface;
        callback_ = callback;
        return static_cast<int>(callback != nullptr);
    }

    void SetText(const char*) override {}
    void SetTemporary(int) override {}

protected:
    ToolBase() : ComponentObject<Derived, DrawTool>(nullptr) {}
    ~ToolBase() {
        if (surface_ != nullptr) surface_->Release();
    }

    ZDrawSp* Surface() const { return surface_; }

    // The callback only borrows the object; the creation reference ends here,
    // so the host keeps the object only by taking its own reference.
    void HandOver(DrawObject* object) {
        if (callback_ != nullptr) callback_(object);
        object->Release();
    }

private:
    ZDrawSp* surface_ = nullptr;
    ToolCallback callback_ = nullptr;
};

#endif
