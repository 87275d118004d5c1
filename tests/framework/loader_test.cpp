// The loader against small libraries built for these tests: one that offers
// "Probe", one without the creation export, one that refuses everything; and
// LoadLibraryA's search for a bare name, against copies of one planted in the
// working folder and elsewhere.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "component_loader.h"
#include "library_path.h"

namespace {

constexpr const char* kComponents = "TestComponents.DLL";
constexpr const char* kNoExport = "TestNoExport.DLL";
constexpr const char* kRefuses = "TestRefuses.DLL";
constexpr const char* kUtilities = "ZUtilitiesCOM.DLL";

int RecordCount(const ComponentLoader& loader) {
    int count = 0;
    for (LoadedLibrary* record = loader.Head(); record != nullptr; record = record->next) ++count;
    return count;
}

TEST(ComponentLoader, LoadsEachFileOnceAndCountsItsComponents) {
    ComponentLoader loader;
    ComponentInterface* first = loader.CreateComponent(kComponents, "Probe", 100);
    ComponentInterface* second = loader.CreateComponent(kComponents, "Probe", 100);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(RecordCount(loader), 1);
    LoadedLibrary* record = loader.FindLibrary(kComponents);
    ASSERT_NE(record, nullptr);
    EXPECT_STREQ(record->FileName(), kComponents);
    EXPECT_EQ(record->ReferenceCount(), 3u) << "the list's reference plus one per component";
    second->AddRef();
    EXPECT_EQ(record->ReferenceCount(), 4u);
    second->Release();
    second->Release();
    first->Release();
    EXPECT_EQ(record->ReferenceCount(), 1u);
    EXPECT_EQ(loader.UnloadAll(0), 1);
    EXPECT_FALSE(IsLibraryLoaded(kComponents));
}

TEST(ComponentLoader, FindsRecordsByExactFileName) {
    ComponentLoader loader;
    loader.CreateComponent(kRefuses, "anything", 100);
    EXPECT_NE(loader.FindLibrary(kRefuses), nullptr);
    EXPECT_EQ(loader.FindLibrary("testrefuses.dll"), nullptr);
    EXPECT_EQ(loader.FindLibrary("TestRefuses.DLL "), nullptr);
    EXPECT_EQ(loader.FindLibrary(nullptr), nullptr);
    loader.UnloadAll(0);
}

TEST(ComponentLoader, FreesALibraryWithoutTheExportAndKeepsNoRecord) {
    ComponentLoader loader;
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_EQ(loader.CreateComponent(kNoExport, "Probe", 100), nullptr);
        EXPECT_EQ(loader.FindLibrary(kNoExport), nullptr);
        EXPECT_EQ(loader.Head(), nullptr);
        EXPECT_FALSE(IsLibraryLoaded(kNoExport)) << "attempt " << attempt;
    }
}

TEST(ComponentLoader, KeepsTheRecordOfALibraryThatRefuses) {
    ComponentLoader loader;
    EXPECT_EQ(loader.CreateComponent(kRefuses, "Anything", 100), nullptr);
    LoadedLibrary* record = loader.FindLibrary(kRefuses);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->ReferenceCount(), 1u);
    EXPECT_TRUE(IsLibraryLoaded(kRefuses));
    // A refused version or name also leaves the record of a good library.
    EXPECT_EQ(loader.CreateComponent(kComponents, "Probe", 101), nullptr);
    EXPECT_EQ(loader.CreateComponent(kComponents, "probe", 100), nullptr);
    EXPECT_EQ(RecordCount(loader), 2);
    EXPECT_EQ(loader.UnloadAll(0), 1);
    EXPECT_FALSE(IsLibraryLoaded(kRefuses));
    EXPECT_FALSE(IsLibraryLoaded(kComponents));
}

TEST(ComponentLoader, MissingFileAndOverlongNamesGiveNullAndNoRecord) {
    ComponentLoader loader;
    EXPECT_EQ(loader.CreateComponent("NoSuchLibrary.DLL", "Probe", 100), nullptr);
    EXPECT_EQ(loader.CreateComponent(std::string(300, 'A').c_str(), "Probe", 100), nullptr);
    EXPECT_EQ(loader.CreateComponent(nullptr, "Probe", 100), nullptr);
    EXPECT_EQ(loader.Head(), nullptr);
    EXPECT_EQ(loader.UnloadAll(0), 1) << "an empty loader unloads nothing and succeeds";
}

TEST(ComponentLoader, UnloadIfUnusedStopsAtTheNewestLibraryInUse) {
    ComponentLoader loader;
    ComponentInterface* probe = loader.CreateComponent(kComponents, "Probe", 100);
    ComponentInterface* list = loader.CreateComponent(kUtilities, "ZLinklistCOM", 100);
    ASSERT_NE(probe, nullptr);
    ASSERT_NE(list, nullptr);

    EXPECT_EQ(loader.UnloadAll(1), 0);
    EXPECT_EQ(RecordCount(loader), 2) << "stopped at the head, nothing released";

    list->Release();
    EXPECT_EQ(loader.UnloadAll(1), 0) << "the older library is still in use";
    EXPECT_EQ(RecordCount(loader), 1);
    EXPECT_EQ(loader.Head(), loader.FindLibrary(kComponents));
    EXPECT_EQ(loader.Head()->previous, nullptr);

    probe->Release();
    EXPECT_EQ(loader.UnloadAll(1), 1);
    EXPECT_EQ(loader.Head(), nullptr);
    EXPECT_FALSE(IsLibraryLoaded(kComponents));
}

TEST(ComponentLoader, UnloadAllKeepsALibraryAliveUntilItsLastComponentGoes) {
    ComponentLoader loader;
    ComponentInterface* probe = loader.CreateComponent(kComponents, "Probe", 100);
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(loader.UnloadAll(0), 1);
    EXPECT_EQ(loader.Head(), nullptr);
    EXPECT_TRUE(IsLibraryLoaded(kComponents)) << "a live component holds its library";
    probe->AddRef();
    probe->Release();
    EXPECT_TRUE(IsLibraryLoaded(kComponents));
    // The last Release frees the library from inside the component's own
    // Release, so the test keeps the code mapped until that call returns.
    // (The program never releases a component after UnloadAll.)
    void* keepMapped = dlopen((TestBinaryFolder() + kComponents).c_str(), RTLD_LAZY | RTLD_NOLOAD);
    ASSERT_NE(keepMapped, nullptr);
    probe->Release();
    dlclose(keepMapped);
    EXPECT_FALSE(IsLibraryLoaded(kComponents)) << "the record freed its library";
}

TEST(ComponentLoader, LoadsAfreshAfterUnloadAll) {
    ComponentLoader loader;
    loader.CreateComponent(kComponents, "Probe", 100)->Release();
    HMODULE firstModule = loader.FindLibrary(kComponents)->Module();
    EXPECT_NE(firstModule, nullptr);
    loader.UnloadAll(0);
    EXPECT_FALSE(IsLibraryLoaded(kComponents));
    ComponentInterface* probe = loader.CreateComponent(kComponents, "Probe", 100);
    ASSERT_NE(probe, nullptr);
    EXPECT_TRUE(IsLibraryLoaded(kComponents));
    EXPECT_EQ(RecordCount(loader), 1);
    probe->Release();
    loader.UnloadAll(0);
}

// The record's layout is fixed: after the component fields come the module
// handle, the 256-byte file name, the creation entry and the two links.
TEST(LoadedLibrary, KeepsItsFieldsInRecordOrder) {
    auto* record = new LoadedLibrary(nullptr, nullptr, "Layout.DLL");
    const char* base = reinterpret_cast<const char*>(static_cast<ComponentInterface*>(record));
    const char* name = record->FileName();
    const char* next = reinterpret_cast<const char*>(&record->next);
    const char* previous = reinterpret_cast<const char*>(&record->previous);
    EXPECT_EQ(static_cast<std::size_t>(name - base),
              sizeof(ComponentObject<LoadedLibrary, ComponentInterface>) + sizeof(HMODULE));
    EXPECT_EQ(next - name,
              static_cast<std::ptrdiff_t>(LoadedLibrary::kFileNameSize + sizeof(CreateInstanceFunction)));
    EXPECT_EQ(previous - next, static_cast<std::ptrdiff_t>(sizeof(LoadedLibrary*)));
    record->Release();
}

namespace fs = std::filesystem;

// Copies of a test library under a name found nowhere else: in the working
// folder, in its "lib" subfolder, and in a folder elsewhere. The test runs in
// the working folder; the previous folder and LD_LIBRARY_PATH come back after.
class LoadLibrary : public ::testing::Test {
protected:
    static constexpr const char* kPlanted = "Planted.DLL";

    void SetUp() override {
        const char* path = std::getenv("LD_LIBRARY_PATH");
        savedPath_ = path == nullptr ? std::nullopt : std::optional<std::string>(path);
        previous_ = fs::current_path();
        for (const fs::path& folder : {working_, working_ / "lib", elsewhere_}) {
            fs::create_directories(folder);
            fs::copy_file(TestBinaryFolder() + kComponents, folder / kPlanted,
                          fs::copy_options::overwrite_existing);
        }
        fs::current_path(working_);
    }

    void TearDown() override {
        fs::current_path(previous_);
        if (savedPath_) setenv("LD_LIBRARY_PATH", savedPath_->c_str(), 1);
        else unsetenv("LD_LIBRARY_PATH");
        fs::remove_all(root_);
    }

    // Whether this process has the copy in `folder` mapped.
    static bool IsMapped(const fs::path& folder) {
        void* handle = dlopen((folder / kPlanted).c_str(), RTLD_LAZY | RTLD_NOLOAD);
        if (handle != nullptr) dlclose(handle);
        return handle != nullptr;
    }

    // What a fresh process started in the working folder with this
    // LD_LIBRARY_PATH loads for the bare name: "nothing" or "loaded <path>".
    static std::string LoadedInFreshProcess(const std::string& libraryPath) {
        const std::string command = "LD_LIBRARY_PATH='" + libraryPath + "' '" + TestBinaryFolder() +
                                    "bare_name_loader' " + kPlanted;
        FILE* output = popen(command.c_str(), "r");
        if (output == nullptr) return "no process";
        std::string text;
        char chunk[256];
        while (std::fgets(chunk, sizeof(chunk), output) != nullptr) text += chunk;
        const int status = pclose(output);
        if (status != 0) text += "exit status " + std::to_string(status);
        if (!text.empty() && text.back() == '\n') text.pop_back();
        return text;
    }

    const fs::path root_ = fs::temp_directory_path() / ("tarnwick-plant-" + std::to_string(getpid()));
    const fs::path working_ = root_ / "work";
    const fs::path elsewhere_ = root_ / "elsewhere";
    std::optional<std::string> savedPath_;
    fs::path previous_;
};

TEST_F(LoadLibrary, NeverSearchesTheCurrentWorkingFolder) {
    EXPECT_EQ(LoadLibraryA(kPlanted), nullptr) << "a bare name must not find the planted copy";
    HMODULE explicitPath = LoadLibraryA("./Planted.DLL");
    EXPECT_NE(explicitPath, nullptr) << "a name with a slash is used as given";
    if (explicitPath != nullptr) FreeLibrary(explicitPath);
}

// Empty and relative entries name the working folder or folders below it.
// They are skipped whether LD_LIBRARY_PATH is changed while running or was
// set when the process started (when the dynamic loader reads it).
TEST_F(LoadLibrary, SkipsEmptyAndRelativeLibraryPathEntries) {
    const char* const values[] = {
        "/usr/lib:", ":/usr/lib", "/usr/lib::/lib", ".", "lib", "/usr/lib;", "./lib:/usr/lib", "",
    };
    for (const char* value : values) {
        setenv("LD_LIBRARY_PATH", value, 1);
        HMODULE module = LoadLibraryA(kPlanted);
        EXPECT_EQ(module, nullptr) << "LD_LIBRARY_PATH=" << value;
        if (module != nullptr) FreeLibrary(module);
        EXPECT_FALSE(IsMapped(working_)) << value;
        EXPECT_FALSE(IsMapped(working_ / "lib")) << value;
        EXPECT_EQ(LoadedInFreshProcess(value), "nothing") << "started with LD_LIBRARY_PATH=" << value;
    }
}

TEST_F(LoadLibrary, UsesAnAbsoluteLibraryPathEntryThatHoldsTheLibrary) {
    const std::string folder = elsewhere_.string();
    const std::string values[] = {
        folder, "lib::" + folder, "/nonexistent:" + folder + ":.", ".;" + folder, folder + "/",
    };
    const std::string expected = "loaded " + fs::canonical(elsewhere_ / kPlanted).string();
    for (const std::string& value : values) {
        setenv("LD_LIBRARY_PATH", value.c_str(), 1);
        HMODULE module = LoadLibraryA(kPlanted);
        EXPECT_NE(module, nullptr) << "LD_LIBRARY_PATH=" << value;
        EXPECT_TRUE(IsMapped(elsewhere_)) << value;
        EXPECT_FALSE(IsMapped(working_)) << value;
        if (module != nullptr) FreeLibrary(module);
        EXPECT_EQ(LoadedInFreshProcess(value), expected) << "started with LD_LIBRARY_PATH=" << value;
    }
}

TEST_F(LoadLibrary, FindsSystemLibrariesByBareName) {
    unsetenv("LD_LIBRARY_PATH");
    for (const char* name : {"libc.so.6", "libm.so.6"}) {
        HMODULE module = LoadLibraryA(name);
        EXPECT_NE(module, nullptr) << name;
        if (module != nullptr) FreeLibrary(module);
    }
    EXPECT_EQ(LoadLibraryA("libtarnwick-no-such-library.so"), nullptr);
}

}  // namespace
