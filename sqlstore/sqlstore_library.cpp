// ZISqllite.DLL: the SQL store.
#include "create_instance.h"
#include "sqlite_store.h"

namespace {

const ComponentEntry kComponents[] = {
    {"ZISqllite", MakeComponent<SqliteStore>},
};

}  // namespace

TARNWICK_EXPORT void* CreateInstance(const char* name, unsigned long version, void* outer) {
    return CreateFromTable(kComponents, name, version, outer);
}
