#include "create_instance.h"

#include <cstring>

void* CreateFromTable(const ComponentEntry* table, std::size_t entryCount, const char* name,
                      unsigned long version, void* outer) {
    if (name == nullptr) return nullptr;
    for (std::size_t i = 0; i < entryCount; ++i) {
        if (std::strcmp(table[i].name, name) != 0) continue;
        if (version > kHighestInterfaceVersion) return nullptr;
        return table[i].make(static_cast<ComponentInterface*>(outer));
    }
    return nullptr;
}
