// A library whose creation export refuses every request.
#include "create_instance.h"

TARNWICK_EXPORT void* CreateInstance(const char*, unsigned long, void*) { return nullptr; }
