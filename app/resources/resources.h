// The program's resources (dialogs, keys, icon, cursor) as one table, the
// way a resource script compiled into the executable would hold them.
#ifndef TARNWICK_APP_RESOURCES_RESOURCES_H
#define TARNWICK_APP_RESOURCES_RESOURCES_H

#include "resource_ids.h"
#include "resource_script.h"
#include "windows.h"

extern const ResourceEntry kProgramResources[];
extern const int kProgramResourceCount;

// Hands the table to the port layer under `module`; the program does this
// once, before it loads a cursor, icon, key table or dialog.
BOOL RegisterProgramResources(HMODULE module);

#endif
