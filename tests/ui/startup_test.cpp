// Start-up without one of the four libraries beside the program: only the
// "Load Error" box, no window, exit code 0 — even when a good copy of the
// missing library lies in the working folder, which is never searched.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <fstream>
#include <string>
#include <vector>

#include "application.h"
#include "child_test_run.h"
#include "library_path.h"
#include "resources.h"
#include "temp_folder.h"
#include "test_hooks.h"
#include "win_main.h"

namespace {

constexpr const char* kLibraries[] = {"ZDrawSp.DLL", "ZUtilitiesCOM.DLL", "ZDrawTools.DLL", "ZISqllite.DLL"};
constexpr const char kChildTest[] = "StartUpChild.ShowsOnlyTheLoadErrorBox";

void CopyFile(const std::string& from, const std::string& to) {
    std::ifstream source(from, std::ios::binary);
    std::ofstream(to, std::ios::binary) << source.rdbuf();
}

bool AnyLibraryMissing() {
    for (const char* library : kLibraries) {
        if (access((TestBinaryFolder() + library).c_str(), F_OK) != 0) return true;
    }
    return false;
}

std::vector<ModalRequest> boxes;
std::vector<std::string> texts;

int Answer(const ModalRequest* request, void*) {
    boxes.push_back(*request);
    texts.push_back(std::string(request->caption) + "|" + request->text);
    return IDOK;
}

}  // namespace

TEST(StartUp, WithoutAnyOneLibraryOnlyTheLoadErrorBoxShows) {
    for (const char* missing : kLibraries) {
        TempFolder program, work;
        const std::string from = TestBinaryFolder();
        for (const char* library : kLibraries) {
            if (std::string(library) != missing) CopyFile(from + library, program.File(library));
        }
        for (const char* file : {"libtarnwick_port.so", "ui_tests"}) CopyFile(from + file, program.File(file));
        chmod(program.File("ui_tests").c_str(), 0755);
        CopyFile(from + missing, work.File(missing));  // planted where the program must not look
        // A start that wrongly succeeded would wait in its message loop.
        EXPECT_TRUE(RanAloneAndPassed(RunChildTest(work.Path(), program.File("ui_tests"), kChildTest, "timeout 60 "),
                                      kChildTest))
            << "without " << missing;
    }
}

// Run only from a program folder that lacks a library (above).
TEST(StartUpChild, ShowsOnlyTheLoadErrorBox) {
    if (!AnyLibraryMissing()) GTEST_SKIP() << "runs from a folder without one of the libraries";
    HMODULE program = GetModuleHandleA(nullptr);
    ASSERT_TRUE(RegisterProgramResources(program));
    SetModalAnswerHook(Answer, nullptr);
    char noCommandLine[] = "";
    EXPECT_EQ(WinMain(program, nullptr, noCommandLine, SW_SHOWDEFAULT), 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(texts[0], "Load Error|Can not initialize Application.\nRequired components are missing.");
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), 0u) << "no window, no cursor";
}

// When the database file is why start-up fails, "Load Error" names it.
TEST(StartUp, LoadErrorNamesTheDatabaseWhenItIsTheCause) {
    struct Case {
        std::string bytes;  // empty: another program's database
        const char* secondLine;
    } cases[] = {
        {"a letter, not a database\n", "Veldrin.dat is damaged."},
        {std::string("SQLite format 3") + '\0' + std::string(200, 'x'), "Veldrin.dat is damaged."},
        {"", "Veldrin.dat is not a Tarnwick file."},
    };
    HMODULE program = GetModuleHandleA(nullptr);
    ASSERT_TRUE(RegisterProgramResources(program));
    SetModalAnswerHook(Answer, nullptr);
    char noCommandLine[] = "";
    for (const Case& c : cases) {
        TempFolder work(true);
        if (c.bytes.empty()) {
            sqlite3* other = nullptr;
            sqlite3_open("Veldrin.dat", &other);
            sqlite3_exec(other, "CREATE TABLE Objects (name TEXT, price REAL)", nullptr, nullptr, nullptr);
            sqlite3_close(other);
        } else {
            std::ofstream("Veldrin.dat", std::ios::binary) << c.bytes;
        }
        texts.clear();
        EXPECT_EQ(WinMain(program, nullptr, noCommandLine, SW_SHOWNORMAL), 0);
        EXPECT_EQ(texts, std::vector<std::string>{std::string("Load Error|Can not initialize Application.\n") +
                                                  c.secondLine});
        TheApplication().Shutdown();
    }
    SetModalAnswerHook(nullptr, nullptr);
}
