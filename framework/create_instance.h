// What each component library's CreateInstance does: compare the name against
// the library's table in order, refuse versions above 100, allocate without
// throwing, and hand back one reference or null.
#ifndef TARNWICK_FRAMEWORK_CREATE_INSTANCE_H
#define TARNWICK_FRAMEWORK_CREATE_INSTANCE_H

#include <cstddef>
#include <new>

#include "component_interface.h"

// The exported name of `void* CreateInstance(const char*, unsigned long, void*)`
// under this platform's C++ decoration; the loader asks for exactly this.
inline constexpr const char kCreateInstanceExport[] = "_Z14CreateInstancePKcmPv";

inline constexpr unsigned long kHighestInterfaceVersion = 100;

#define TARNWICK_EXPORT __attribute__((visibility("default")))

typedef ComponentInterface* (*ComponentMaker)(ComponentInterface* outer);

struct ComponentEntry {
    const char* name;
    ComponentMaker make;
};

// Constructors never throw, so a failed allocation is the only failure.
template <class Component>
ComponentInterface* MakeComponent(ComponentInterface* outer) {
    return new (std::nothrow) Component(outer);
}

// Finds `name` in `table` (exact, case-sensitive, first match wins) and makes
// that component with `outer`; null for an unknown or null name, a version
// above 100 or no memory.
void* CreateFromTable(const ComponentEntry* table, std::size_t entryCount, const char* name,
                      unsigned long version, void* outer);

template <std::size_t N>
void* CreateFromTable(const ComponentEntry (&table)[N], const char* name, unsigned long version,
                      void* outer) {
    return CreateFromTable(table, N, name, version, outer);
}

#endif
