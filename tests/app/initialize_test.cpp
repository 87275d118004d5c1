// Start-up wiring: the five components, the database, the tools; and every
// way it can fail returns 0 (the program then shows "Load Error").
#include <cstdio>
#include <fstream>

#include "app_fixture.h"
#include "child_process.h"
#include "child_test_run.h"
#include "library_path.h"

namespace {

class InitializeTest : public AppTest {};

TEST_F(InitializeTest, WiresFiveToolsAndLeavesNoToolCurrent) {
    EXPECT_EQ(app.currentTool, nullptr);
    EXPECT_EQ(app.currentPage, 1);
    const char* names[] = {"Line Tool", "Retangle Tool", "Ellipse Tool", "Text Tool", "Polygon Tool"};
    int index = 0;
    for (auto* tool = static_cast<DrawTool*>(app.toolList->First()); tool != nullptr;
         tool = static_cast<DrawTool*>(app.toolList->Next()), ++index) {
        ASSERT_LT(index, 5);
        EXPECT_STREQ(tool->GetName(), names[index]);
    }
    EXPECT_EQ(index, 5);
    // Both lists come from one loaded copy of the utilities library: four
    // library records, newest first.
    const char* loaded[] = {"ZISqllite.DLL", "ZDrawTools.DLL", "ZUtilitiesCOM.DLL", "ZDrawSp.DLL"};
    LoadedLibrary* record = app.Head();
    for (const char* file : loaded) {
        ASSERT_NE(record, nullptr);
        EXPECT_STREQ(record->FileName(), file);
        record = record->next;
    }
    EXPECT_EQ(record, nullptr);
    EXPECT_EQ(access(kDatabaseFile, F_OK), 0) << "the database is made in the working folder";
}

TEST_F(InitializeTest, ToolsAreAttachedToTheHost) {
    // A line drawn with the first tool reaches the page and the file.
    auto* line = static_cast<DrawTool*>(app.toolList->First());
    line->Click(10, -10, 0);
    line->MouseMove(50, -50);
    line->Click(100, -100, 0);
    EXPECT_EQ(ListKinds(), std::vector<int>{1});
    EXPECT_EQ(FileColumn("SELECT objType FROM Objects WHERE pageNumber = 1"),
              std::vector<std::string>{"1"});
}

// Sources that differ from the program's in one place.
ComponentSources With(ComponentSource ComponentSources::*field, ComponentSource source) {
    ComponentSources sources = kProgramComponents;
    sources.*field = source;
    return sources;
}

TEST(InitializeFailureTest, MissingOrRefusingComponentsGiveZero) {
    TempFolder folder(true);
    struct Case {
        ComponentSources sources;
        const char* why;
    } cases[] = {
        {With(&ComponentSources::store, {"Missing.DLL", "ZISqllite"}), "store library missing"},
        {With(&ComponentSources::surface, {"Missing.DLL", "ZDrawSp"}), "surface library missing"},
        {With(&ComponentSources::toolFactory, {"Missing.DLL", "ZToolFactory"}), "tools library missing"},
        {With(&ComponentSources::pageObjects, {"ZUtilitiesCOM.DLL", "ZNoList"}), "name refused"},
        {With(&ComponentSources::store, {"ZISqllite.DLL", "ZSomethingElse"}), "store refuses the name"},
        {With(&ComponentSources::store, {"libtarnwick_port.so", "ZISqllite"}), "no creation export"},
    };
    for (const Case& c : cases) {
        Application record(c.sources);
        EXPECT_EQ(record.Initialize(), 0) << c.why;
        record.Shutdown();
        EXPECT_EQ(record.Head(), nullptr) << c.why;
        EXPECT_EQ(record.store, nullptr) << c.why;
    }
}

TEST(InitializeFailureTest, ACopyOfTheProgramFolderWithoutTheStoreGivesZero) {
    // The program finds its libraries beside itself; run a copy of this test
    // binary from a folder that has every library but the store.
    TempFolder programFolder;
    std::string from = TestBinaryFolder();
    for (const char* file : {"ZDrawSp.DLL", "ZUtilitiesCOM.DLL", "ZDrawTools.DLL",
                             "libtarnwick_port.so", "app_tests"}) {
        std::ifstream source(from + file, std::ios::binary);
        std::ofstream(programFolder.File(file), std::ios::binary) << source.rdbuf();
    }
    chmod(programFolder.File("app_tests").c_str(), 0755);
    const char* child = "InitializeFailureTest.ProgramRecordFailsToStart";
    EXPECT_TRUE(RanAloneAndPassed(RunChildTest(programFolder.Path(), programFolder.File("app_tests"), child), child));
}

// Run only from the copied folder above, where ZISqllite.DLL is absent.
TEST(InitializeFailureTest, ProgramRecordFailsToStart) {
    if (access((TestBinaryFolder() + "ZISqllite.DLL").c_str(), F_OK) == 0) GTEST_SKIP();
    TempFolder folder(true);
    EXPECT_EQ(TheApplication().Initialize(), 0);
    EXPECT_EQ(TheApplication().store, nullptr);
    EXPECT_NE(TheApplication().surface, nullptr);
    TheApplication().Shutdown();
}

TEST(InitializeFailureTest, UnusableDatabaseFileGivesZero) {
    TempFolder folder(true);
    chmod(folder.Path().c_str(), 0777);
    {
        std::ofstream(kDatabaseFile) << "not a database, just a letter\n";
        Application record;
        EXPECT_EQ(record.Initialize(), 0) << "corrupt file";
    }
    std::remove(kDatabaseFile);
    {
        // A good database the user may not write.
        Application record;
        ASSERT_EQ(record.Initialize(), 1);
    }
    chmod(kDatabaseFile, 0444);
    int result = RunInChild(
        [] {
            Application record;
            return record.Initialize();
        },
        true);
    if (result == kNoUnprivilegedUser) GTEST_SKIP() << "cannot drop root: a read-only file was not tried";
    EXPECT_EQ(result, 0) << "read-only file";
}

}  // namespace
