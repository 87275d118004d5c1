#include "component_loader.h"

#include <cstring>
#include <new>

#include "create_instance.h"

LoadedLibrary* ComponentLoader::FindLibrary(const char* libraryFile) const {
    if (libraryFile == nullptr) return nullptr;
    for (LoadedLibrary* record = head_; record != nullptr; record = record->next) {
        if (std::strcmp(record->FileName(), libraryFile) == 0) return record;
    }
    return nullptr;
}

// Loads the file, finds its export and puts a new record at the head. On any
// failure the library is freed again and nothing is recorded.
LoadedLibrary* ComponentLoader::LoadAndRecord(const char* libraryFile) {
    if (std::strlen(libraryFile) >= LoadedLibrary::kFileNameSize) return nullptr;
    HMODULE module = LoadLibraryA(libraryFile);
    if (module == nullptr) return nullptr;
    auto entry = reinterpret_cast<CreateInstanceFunction>(GetProcAddress(module, kCreateInstanceExport));
    LoadedLibrary* record = nullptr;
    if (entry != nullptr) record = new (std::nothrow) LoadedLibrary(module, entry, libraryFile);
    if (record == nullptr) {
        FreeLibrary(module);
        return nullptr;
    }
    record->next = head_;
    if (head_ != nullptr) head_->previous = record;
    head_ = record;
    return record;
}

ComponentInterface* ComponentLoader::CreateComponent(const char* libraryFile,
                                                     const char* componentName, DWORD version) {
    if (libraryFile == nullptr) return nullptr;
    LoadedLibrary* record = FindLibrary(libraryFile);
    if (record == nullptr) record = LoadAndRecord(libraryFile);
    if (record == nullptr || record->Module() == nullptr || record->Entry() == nullptr) return nullptr;
    void* made = record->Entry()(componentName, version, static_cast<ComponentInterface*>(record));
    return static_cast<ComponentInterface*>(made);
}

int ComponentLoader::UnloadAll(int onlyIfUnused) {
    LoadedLibrary* record = head_;
    while (record != nullptr) {
        if (onlyIfUnused != 0 && record->ReferenceCount() >= 2) {
            head_ = record;
            return 0;
        }
        LoadedLibrary* older = record->next;
        if (record->previous != nullptr) record->previous->next = older;
        if (older != nullptr) older->previous = record->previous;
        record->Release();
        record = older;
    }
    head_ = nullptr;
    return 1;
}
