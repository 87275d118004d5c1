// ZDrawTools.DLL: the tool factory. The tools themselves are made only by
// the factory, never by name.
#include "create_instance.h"
#include "tool_factory.h"

namespace {

const ComponentEntry kComponents[] = {
    {"ZToolFactory", MakeComponent<ToolFactory>},
};

}  // namespace

TARNWICK_EXPORT void* CreateInstance(const char* name, unsigned long version, void* outer) {
    return CreateFromTable(kComponents, name, version, outer);
}
