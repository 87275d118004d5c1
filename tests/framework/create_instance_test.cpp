// The creation export of a component library: exact names in table order,
// versions up to 100, null for everything else.
#include <gtest/gtest.h>

#include <climits>

#include "component_loader.h"
#include "create_instance.h"

namespace {

class UtilitiesExport : public ::testing::Test {
protected:
    void SetUp() override {
        HMODULE module = LoadLibraryA("ZUtilitiesCOM.DLL");
        ASSERT_NE(module, nullptr);
        module_ = module;
        create_ = reinterpret_cast<CreateInstanceFunction>(GetProcAddress(module, kCreateInstanceExport));
        ASSERT_NE(create_, nullptr);
    }
    void TearDown() override {
        if (module_ != nullptr) FreeLibrary(module_);
    }

    // Whether a request yields a component; a made one is released at once.
    bool Yields(const char* name, unsigned long version) {
        auto* made = static_cast<ComponentInterface*>(create_(name, version, nullptr));
        if (made == nullptr) return false;
        made->Release();
        return true;
    }

    HMODULE module_ = nullptr;
    CreateInstanceFunction create_ = nullptr;
};

TEST_F(UtilitiesExport, AcceptsVersionsZeroToHundred) {
    EXPECT_TRUE(Yields("ZLinklistCOM", 0));
    EXPECT_TRUE(Yields("ZLinklistCOM", 100));
    EXPECT_TRUE(Yields("ZVectorCOM", 100));
}

TEST_F(UtilitiesExport, RefusesVersionsAboveHundredIncludingWideOnes) {
    EXPECT_FALSE(Yields("ZLinklistCOM", 101));
    EXPECT_FALSE(Yields("ZVectorCOM", 101));
    EXPECT_FALSE(Yields("ZLinklistCOM", 0xFFFFFFFFul));
    EXPECT_FALSE(Yields("ZLinklistCOM", 0x100000064ul)) << "low 32 bits are 100";
    EXPECT_FALSE(Yields("ZLinklistCOM", ULONG_MAX));
}

TEST_F(UtilitiesExport, MatchesNamesExactly) {
    const char* nearMisses[] = {
        "zlinklistcom",   // letter case
        "ZLinklistCOM ",  // trailing blank
        "ZLinklist",      // prefix
        "",               // empty
        "ZDrawSp",        // another library's component
    };
    for (const char* name : nearMisses) EXPECT_FALSE(Yields(name, 100)) << '"' << name << '"';
    EXPECT_FALSE(Yields(nullptr, 100));
}

TEST(ExportedSymbols, OnlyTheCreationExportIsVisible) {
    HMODULE module = LoadLibraryA("ZUtilitiesCOM.DLL");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(GetProcAddress(module, "_ZN10LinkedList7AddTailEP18ComponentInterface"), nullptr);
    EXPECT_EQ(GetProcAddress(module, "_Z15CreateFromTablePK14ComponentEntrymPKcmPv"), nullptr);
    EXPECT_NE(GetProcAddress(module, kCreateInstanceExport), nullptr);
    FreeLibrary(module);
}

}  // namespace
