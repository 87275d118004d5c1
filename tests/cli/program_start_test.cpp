// The order of start-up with the acting parts replaced by recorders: which
// part runs for a command line, in which working folder, with what, and
// what the process then returns and prints. No window, export or display
// is involved.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "program_start.h"
#include "scoped_environment.h"
#include "temp_folder.h"

namespace {

// What the parts were asked; reset for each case.
struct Recorded {
    int displayAnswer = 1;
    std::string ran;     // "window", "export" or "" (display questions are not listed)
    int displayAsked = 0;
    std::string folder;  // the working folder when the part ran
    std::string output, pages, paper;
} recorded;

std::string WorkingFolder() { return std::filesystem::current_path().string(); }

int RecordWindow() {
    recorded.ran = "window";
    recorded.folder = WorkingFolder();
    return 5;
}

int RecordExport(const ExportRequest& request) {
    recorded.ran = "export";
    recorded.folder = WorkingFolder();
    recorded.output = request.outputPath;
    recorded.pages = request.pages != nullptr ? request.pages : "(none)";
    recorded.paper = request.paper != nullptr ? request.paper : "(none)";
    return 7;
}

int RecordDisplay() {
    ++recorded.displayAsked;
    return recorded.displayAnswer;
}

const ProgramParts kRecorders{RecordWindow, RecordExport, RecordDisplay};

std::string ReadBack(std::FILE* file) {
    std::string text;
    std::rewind(file);
    for (int c; (c = std::fgetc(file)) != EOF;) text += static_cast<char>(c);
    return text;
}

class ProgramStartTest : public ::testing::Test {
protected:
    TempFolder start{true};  // the folder the "command" is given in
    TempFolder drawings;     // a FOLDER argument
    ScopedEnvironment environment;
    std::string out, err;

    void SetUp() override {
        ASSERT_FALSE(start.Path().empty());
        ASSERT_FALSE(drawings.Path().empty());
        std::ofstream(drawings.File("Veldrin.dat")) << "";
        std::ofstream(drawings.File("notes.txt")) << "";
        environment.Set("HOME", start.Path().c_str());
        environment.Set("XDG_CONFIG_HOME", nullptr);
    }

    // "@" at the start of an argument stands for the drawings folder.
    int Run(std::vector<std::string> arguments, int displayAnswer = 1, std::FILE* output = nullptr) {
        recorded = Recorded{};
        recorded.displayAnswer = displayAnswer;
        std::vector<const char*> argv{"tarnwick"};
        for (std::string& argument : arguments) {
            if (argument[0] == '@') argument = drawings.Path() + argument.substr(1);
            argv.push_back(argument.c_str());
        }
        std::FILE* outFile = std::tmpfile();
        std::FILE* errFile = std::tmpfile();
        int code = StartProgram(static_cast<int>(argv.size()), argv.data(), kRecorders,
                                output != nullptr ? output : outFile, errFile);
        out = ReadBack(outFile);
        err = ReadBack(errFile);
        std::fclose(outFile);
        std::fclose(errFile);
        if (chdir(start.Path().c_str()) != 0) ADD_FAILURE() << "cannot go back to " << start.Path();
        return code;
    }
};

TEST_F(ProgramStartTest, EachCommandLineRunsOnePartInItsFolder) {
    const struct {
        std::vector<std::string> arguments;
        int displayAnswer;
        int exitCode;
        const char* ran;
        const char* folder;  // "start", "@" (the drawings folder) or a path under the start folder
        int displayAsked;
    } cases[] = {
        {{}, 1, 5, "window", "start", 1},
        {{"@"}, 1, 5, "window", "@", 1},
        {{"@/"}, 1, 5, "window", "@", 1},
        {{"@/Veldrin.dat"}, 1, 5, "window", "@", 1},
        {{"--documents"}, 1, 5, "window", "/Documents/Tarnwick", 1},
        {{"--documents", "@"}, 1, 5, "window", "@", 1},  // a FOLDER given wins
        // The export needs no display and is never asked about one.
        {{"--export-pdf", "out.pdf"}, 0, 7, "export", "start", 0},
        {{"--export-pdf", "out.pdf", "@/Veldrin.dat"}, 0, 7, "export", "@", 0},
        {{"--export-pdf", "out.pdf", "--documents"}, 0, 7, "export", "/Documents/Tarnwick", 0},
        // Answers and refusals come before any folder, display or part.
        {{"--help"}, 0, 0, "", "", 0},
        {{"--version", "@/missing"}, 0, 0, "", "", 0},
        {{"--bogus"}, 1, 2, "", "", 0},
        {{"@/missing"}, 1, 2, "", "", 0},
        {{"@/notes.txt"}, 1, 2, "", "", 0},
        {{"@/missing/Veldrin.dat"}, 1, 2, "", "", 0},
        {{"--export-pdf", "out.pdf", "@/notes.txt"}, 1, 2, "", "", 0},
        {{}, 0, 1, "", "", 1},  // no display: the window is not opened
        {{"@"}, 0, 1, "", "", 1},
    };
    for (const auto& c : cases) {
        std::string label = c.arguments.empty() ? "(no arguments)" : c.arguments[0];
        EXPECT_EQ(Run(c.arguments, c.displayAnswer), c.exitCode) << label;
        EXPECT_EQ(recorded.ran, c.ran) << label;
        EXPECT_EQ(recorded.displayAsked, c.displayAsked) << label;
        std::string folder = c.folder;
        if (folder == "start") folder = start.Path();
        else if (folder == "@") folder = drawings.Path();
        else if (!folder.empty()) folder = start.Path() + folder;
        EXPECT_EQ(recorded.folder, folder) << label;
    }
}

TEST_F(ProgramStartTest, TheExportGetsItsOutputFromTheStartFolderAndItsValuesAsGiven) {
    EXPECT_EQ(Run({"--export-pdf", "out/book.pdf", "--pages=2,4-9", "--paper", "Tabloid", "@"}), 7);
    EXPECT_EQ(recorded.folder, drawings.Path());
    EXPECT_EQ(recorded.output, start.Path() + "/out/book.pdf");
    EXPECT_EQ(recorded.pages, "2,4-9");
    EXPECT_EQ(recorded.paper, "Tabloid");
    EXPECT_EQ(Run({"--export-pdf=/srv/book.pdf"}), 7);
    EXPECT_EQ(recorded.output, "/srv/book.pdf");
    EXPECT_EQ(recorded.pages + " " + recorded.paper, "(none) (none)");
}

TEST_F(ProgramStartTest, AnswersGoToStandardOutputAndRefusalsToStandardError) {
    EXPECT_EQ(Run({"--version"}), 0);
    EXPECT_EQ(out, "tarnwick 1.00\n");
    EXPECT_EQ(err, "");
    EXPECT_EQ(Run({"-h"}), 0);
    EXPECT_EQ(out.rfind("Usage: tarnwick [OPTION]... [FOLDER | FOLDER/Veldrin.dat]\n", 0), 0u) << out;
    EXPECT_EQ(err, "");
    EXPECT_EQ(Run({"@/notes.txt"}), 2);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "tarnwick: '" + drawings.File("notes.txt") +
                       "' is neither a folder nor a Veldrin.dat file; give a folder or its Veldrin.dat\n");
    EXPECT_EQ(Run({}, 0), 1);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err,
              "tarnwick: no display to show the window on (no X or Wayland server answers at DISPLAY or "
              "WAYLAND_DISPLAY); tarnwick --export-pdf works without one\n");
}

// The menu folder is made with its parents; where it cannot be made the
// program says so and opens nothing.
TEST_F(ProgramStartTest, TheMenuFolderIsMadeWhereTheDesktopKeepsDocuments) {
    EXPECT_EQ(Run({"--documents"}, 0), 1);  // no display: nothing made
    EXPECT_FALSE(std::filesystem::exists(start.Path() + "/Documents"));
    std::filesystem::create_directories(start.Path() + "/.config");
    std::ofstream(start.Path() + "/.config/user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"$HOME/Papers/Mine\"\n";
    EXPECT_EQ(Run({"--documents"}), 5);
    EXPECT_EQ(recorded.folder, start.Path() + "/Papers/Mine/Tarnwick");

    std::ofstream(start.Path() + "/.config/user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"$HOME/notes.txt\"\n";
    std::ofstream(start.File("notes.txt")) << "a file where the folder should be";
    EXPECT_EQ(Run({"--documents"}), 1);
    EXPECT_EQ(recorded.ran, "");
    EXPECT_EQ(err, "tarnwick: cannot make '" + start.Path() + "/notes.txt/Tarnwick': Not a directory\n");
}

TEST_F(ProgramStartTest, AnAnswerThatCannotBeWrittenFails) {
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(Run({"--help"}, 1, full), 1);
    EXPECT_EQ(err, "tarnwick: cannot write the answer to standard output\n");
    std::fclose(full);
}

}  // namespace
