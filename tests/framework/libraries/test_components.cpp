// A component library built only for the loader tests: it answers "Probe"
// with a bare component.
#include "component.h"
#include "create_instance.h"

namespace {

class Probe final : public ComponentObject<Probe, ComponentInterface> {
public:
    explicit Probe(ComponentInterface* outer) : ComponentObject(outer) {}

private:
    friend class ComponentObject<Probe, ComponentInterface>;
    ~Probe() = default;
};

const ComponentEntry kComponents[] = {
    {"Probe", MakeComponent<Probe>},
};

}  // namespace

TARNWICK_EXPORT void* CreateInstance(const char* name, unsigned long version, void* outer) {
    return CreateFromTable(kComponents, name, version, outer);
}
