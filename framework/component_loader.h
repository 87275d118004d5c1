// Turns "component X from library file Y at version V" into a component
// pointer. Each library file is loaded once and recorded; the record is the
// outer of every component it makes, so a library stays loaded while any of
// its components lives. UnloadAll releases the records newest first.
#ifndef TARNWICK_FRAMEWORK_COMPONENT_LOADER_H
#define TARNWICK_FRAMEWORK_COMPONENT_LOADER_H

#include "component_interface.h"
#include "loaded_library.h"
#include "windows.h"

class ComponentLoader {
public:
    ComponentLoader() = default;
    // Does nothing: UnloadAll must be called explicitly before the loader goes.
    ~ComponentLoader() = default;

    // The result carries one reference owned by the caller, or is null when
    // the file cannot be loaded, lacks the export, or refuses the request.
    ComponentInterface* CreateComponent(const char* libraryFile, const char* componentName,
                                        DWORD version);

    // Releases every record, newest first. With onlyIfUnused non-zero it stops
    // at the first record whose library still has live components and
    // returns 0, leaving that record and all older ones in place.
    int UnloadAll(int onlyIfUnused);

    LoadedLibrary* FindLibrary(const char* libraryFile) const;

    // The newest record, for inspection.
    LoadedLibrary* Head() const { return head_; }

private:
    ComponentLoader(const ComponentLoader&) = delete;
    ComponentLoader& operator=(const ComponentLoader&) = delete;

    LoadedLibrary* LoadAndRecord(const char* libraryFile);

    LoadedLibrary* head_ = nullptr;
};

#endif
