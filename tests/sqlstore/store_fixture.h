// Loads ZISqllite.DLL through the loader, as the program does, and collects
// what a query hands to its row callback.
#ifndef TARNWICK_TESTS_SQLSTORE_STORE_FIXTURE_H
#define TARNWICK_TESTS_SQLSTORE_STORE_FIXTURE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "component_loader.h"
#include "temp_folder.h"
#include "zisqllite.h"

typedef std::vector<std::vector<std::string>> Rows;

// Row callback: appends each row's texts to the Rows given as context.
inline int CollectRows(void* context, int columnCount, char** texts, char**) {
    std::vector<std::string> row;
    for (int column = 0; column < columnCount; ++column) row.emplace_back(texts[column]);
    static_cast<Rows*>(context)->push_back(row);
    return 0;
}

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        store_ = static_cast<ZISqllite*>(loader_.CreateComponent("ZISqllite.DLL", "ZISqllite", 100));
        ASSERT_NE(store_, nullptr);
    }
    void TearDown() override {
        if (store_ != nullptr) store_->Release();
        LoadedLibrary* record = loader_.FindLibrary("ZISqllite.DLL");
        if (record != nullptr) {
            EXPECT_EQ(record->ReferenceCount(), 1u) << "a store was not released";
        }
        loader_.UnloadAll(0);
    }

    Rows Query(const char* sql) {
        Rows rows;
        int result = store_->Execute(sql, &rows, CollectRows);
        EXPECT_EQ(result, 1) << sql << ": " << store_->GetLastErrorText();
        return rows;
    }

    TempFolder folder_;
    ComponentLoader loader_;
    ZISqllite* store_ = nullptr;
};

#endif
