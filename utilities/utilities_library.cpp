// ZUtilitiesCOM.DLL: the container components.
#include "component_vector.h"
#include "create_instance.h"
#include "linked_list.h"

namespace {

const ComponentEntry kComponents[] = {
    {"ZLinklistCOM", MakeComponent<LinkedList>},
    {"ZVectorCOM", MakeComponent<ComponentVector>},
};

}  // namespace

TARNWICK_EXPORT void* CreateInstance(const char* name, unsigned long version, void* outer) {
    return CreateFromTable(kComponents, name, version, outer);
}
