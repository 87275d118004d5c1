// The component the host asks for: it fills the host's list with the five
// tools and draws their icons.
#ifndef TARNWICK_DRAWTOOLS_TOOL_FACTORY_H
#define TARNWICK_DRAWTOOLS_TOOL_FACTORY_H

#include "component.h"
#include "ztoolfactory.h"

class ToolFactory final : public ComponentObject<ToolFactory, ZToolFactory> {
public:
    explicit ToolFactory(ComponentInterface* outer) : ComponentObject(outer) {}

    void CreateTools(ZLinklistCOM* list) override;
    void KeepReference(ComponentInterface* component) override;
    int DrawToolIcon(int index, DRAWITEMSTRUCT* item) override;

private:
    friend class ComponentObject<ToolFactory, ZToolFactory>;
    ~ToolFactory() {
        if (held_ != nullptr) held_->Release();
    }

    ComponentInterface* held_ = nullptr;
};

#endif
