// One record per loaded component library. It is the outer of every
// component made from that library, so its count is 1 (the loader's list)
// plus the references held on those components; the library is freed when
// the count reaches 0.
#ifndef TARNWICK_FRAMEWORK_LOADED_LIBRARY_H
#define TARNWICK_FRAMEWORK_LOADED_LIBRARY_H

#include "component.h"
#include "windows.h"

typedef void* (*CreateInstanceFunction)(const char* name, unsigned long version, void* outer);

class LoadedLibrary final : public ComponentObject<LoadedLibrary, ComponentInterface> {
public:
    static constexpr int kFileNameSize = 256;

    // Takes over `module`; the file name must fit kFileNameSize - 1 bytes.
    LoadedLibrary(HMODULE module, CreateInstanceFunction entry, const char* fileName);

    HMODULE Module() const { return module_; }
    CreateInstanceFunction Entry() const { return entry_; }
    const char* FileName() const { return fileName_; }

private:
    friend class ComponentObject<LoadedLibrary, ComponentInterface>;
    ~LoadedLibrary();

    // The record's fields in their fixed order: module handle, file name,
    // creation entry, then the two list links.
    HMODULE module_;
    char fileName_[kFileNameSize];
    CreateInstanceFunction entry_;

public:
    LoadedLibrary* next = nullptr;      // towards older records
    LoadedLibrary* previous = nullptr;  // towards newer records
};

#endif
