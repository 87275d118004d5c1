#include "core/module_resources.h"

namespace tarnwick::port {
namespace {

struct ModuleTable {
    HMODULE module;
    const ResourceEntry* entries;
    int count;
};

constexpr int kMaxModules = 8;

struct Registry {
    ModuleTable modules[kMaxModules] = {};
    int count = 0;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

const ModuleTable* TableOf(HMODULE module) {
    Registry& registry = TheRegistry();
    if (module == nullptr) module = GetModuleHandleA(nullptr);
    for (int i = 0; i < registry.count; ++i) {
        if (registry.modules[i].module == module) return &registry.modules[i];
    }
    return nullptr;
}

struct SharedObject {
    const void* data;
    void* handle;
};

constexpr int kMaxShared = 32;

}  // namespace

void* SharedResourceHandle(const void* data, HandleKind kind, void* (*make)(const void* data),
                           void (*destroy)(void* object)) {
    static SharedObject shared[kMaxShared];
    static int count = 0;
    if (data == nullptr) return nullptr;
    for (int i = 0; i < count; ++i) {
        if (shared[i].data == data) return shared[i].handle;
    }
    void* object = count < kMaxShared ? make(data) : nullptr;
    if (object == nullptr) return nullptr;
    void* handle = AddHandle(kind, object, false);
    if (handle == nullptr) {
        if (destroy) destroy(object);
        return nullptr;
    }
    shared[count++] = {data, handle};
    return handle;
}

const void* FindResourceData(HINSTANCE module, LPCSTR name, WORD type) {
    if (name == nullptr || !IS_INTRESOURCE(name)) return nullptr;
    const ModuleTable* table = TableOf(module);
    if (table == nullptr) return nullptr;
    WORD id = LOWORD(reinterpret_cast<ULONG_PTR>(name));
    for (int i = 0; i < table->count; ++i) {
        const ResourceEntry& entry = table->entries[i];
        if (entry.type == type && entry.id == id) return entry.data;
    }
    return nullptr;
}

}  // namespace tarnwick::port

BOOL RegisterModuleResources(HMODULE module, const ResourceEntry* entries, int count) {
    using namespace tarnwick::port;
    if (module == nullptr || (entries == nullptr && count != 0) || count < 0) return FALSE;
    Registry& registry = TheRegistry();
    for (int i = 0; i < registry.count; ++i) {
        if (registry.modules[i].module == module) {
            registry.modules[i] = {module, entries, count};
            return TRUE;
        }
    }
    if (registry.count == kMaxModules) return FALSE;
    registry.modules[registry.count++] = {module, entries, count};
    return TRUE;
}
