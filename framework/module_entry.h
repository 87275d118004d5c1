// Each component library records its own module handle when it is loaded,
// the way a Win32 library's entry point would. The handle is only kept.
#ifndef TARNWICK_FRAMEWORK_MODULE_ENTRY_H
#define TARNWICK_FRAMEWORK_MODULE_ENTRY_H

// The handle of the library that contains the caller, or null before load.
void* ModuleInstance();

#endif
