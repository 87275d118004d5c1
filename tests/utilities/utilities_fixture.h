// Loads ZUtilitiesCOM.DLL through the loader, as the program does, and
// checks that every component made during a test was released again.
#ifndef TARNWICK_TESTS_UTILITIES_FIXTURE_H
#define TARNWICK_TESTS_UTILITIES_FIXTURE_H

#include <gtest/gtest.h>

#include "component_loader.h"

class UtilitiesTest : public ::testing::Test {
protected:
    template <class Interface>
    Interface* Make(const char* name) {
        return static_cast<Interface*>(loader_.CreateComponent("ZUtilitiesCOM.DLL", name, 100));
    }

    void TearDown() override {
        LoadedLibrary* record = loader_.FindLibrary("ZUtilitiesCOM.DLL");
        if (record != nullptr) {
            EXPECT_EQ(record->ReferenceCount(), 1u) << "a component was not released";
        }
        loader_.UnloadAll(0);
    }

    ComponentLoader loader_;
};

#endif
