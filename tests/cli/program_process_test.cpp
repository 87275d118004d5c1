// The built program run as a child process, as a shell runs it, with and
// without a display: for each command line its exit code, what it wrote on
// each stream, and which files it made. Commands that open the window run
// on the offscreen display and are ended once their Veldrin.dat exists.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "child_process.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

// The environments a command meets. Each starts from this process's
// environment without any display setting, with a home, configuration and
// runtime folder of its own.
enum class Display {
    None,         // no DISPLAY, no WAYLAND_DISPLAY
    DeadX,        // DISPLAY names an X server that is not there
    DeadWayland,  // WAYLAND_DISPLAY names a compositor that is not there
    ForcedX,      // QT_QPA_PLATFORM=xcb and no DISPLAY
    Offscreen,    // QT_QPA_PLATFORM=offscreen: windows without a screen, as the tests use
};

// Every path under `root`, relative to it.
std::set<std::string> Listing(const std::string& root) {
    std::set<std::string> paths;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(root, error); !error && it != fs::end(it); it.increment(error)) {
        paths.insert(fs::relative(it->path(), root).string());
    }
    return paths;
}

std::string Lines(const std::set<std::string>& paths) {
    std::string text;
    for (const std::string& path : paths) text += path + "\n";
    return text;
}

class ProgramProcessTest : public ::testing::Test {
protected:
    TempFolder root;     // everything the child may touch is in here
    TempFolder scratch;  // what the child writes on its streams
    std::string work, drawings, home;

    void SetUp() override {
        ASSERT_FALSE(root.Path().empty());
        ASSERT_FALSE(scratch.Path().empty());
        work = root.Path() + "/work";
        drawings = root.Path() + "/drawings";
        home = root.Path() + "/home";
        for (const std::string& folder : {work, drawings, home, home + "/runtime"}) fs::create_directories(folder);
        fs::permissions(home + "/runtime", fs::perms::owner_all, fs::perm_options::replace);
        std::ofstream(drawings + "/notes.txt") << "not a drawing";
    }

    ChildEnvironment EnvironmentOf(Display display) const {
        ChildEnvironment environment;
        environment.unset = {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM",
                             "XDG_SESSION_TYPE", "XDG_CONFIG_HOME"};
        environment.set = {{"HOME", home}, {"XDG_RUNTIME_DIR", home + "/runtime"}};
        switch (display) {
            case Display::None: break;
            case Display::DeadX: environment.set.push_back({"DISPLAY", ":4242"}); break;
            case Display::DeadWayland: environment.set.push_back({"WAYLAND_DISPLAY", "no-compositor-here"}); break;
            case Display::ForcedX: environment.set.push_back({"QT_QPA_PLATFORM", "xcb"}); break;
            case Display::Offscreen: environment.set.push_back({"QT_QPA_PLATFORM", "offscreen"}); break;
        }
        return environment;
    }

    // "@" at the start of an argument stands for the drawings folder.
    std::vector<std::string> Argv(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), VELDRIN_PROGRAM);
        for (std::string& argument : arguments) {
            if (argument[0] == '@') argument = drawings + argument.substr(1);
        }
        return arguments;
    }

    ChildResult Run(const std::vector<std::string>& arguments, Display display) {
        pid_t child = StartChild(Argv(arguments), work, EnvironmentOf(display), scratch.Path());
        if (child < 0) return {};
        return WaitForChild(child, scratch.Path(), 60);
    }
};

// Commands that end by themselves: nothing is made anywhere, the answer is
// on standard output, a refusal is one line on standard error.
TEST_F(ProgramProcessTest, CommandsThatEndByThemselves) {
    const struct {
        std::vector<std::string> arguments;
        Display display;
        int exitCode;
        const char* out;  // what standard output starts with
        const char* err;  // what the one line on standard error holds; "" for none
    } cases[] = {
        {{"--help"}, Display::None, 0, "Usage: tarnwick [OPTION]...", ""},
        {{"-h"}, Display::None, 0, "Usage: tarnwick [OPTION]...", ""},
        {{"--version"}, Display::None, 0, "tarnwick 1.00\n", ""},
        {{"--help", "@/missing"}, Display::Offscreen, 0, "Usage: tarnwick [OPTION]...", ""},
        {{"--bogus"}, Display::Offscreen, 2, "", "unknown option '--bogus' (see tarnwick --help)"},
        {{"-x", "@"}, Display::None, 2, "", "unknown option '-x' (see tarnwick --help)"},
        {{"--export-pdf"}, Display::None, 2, "", "--export-pdf needs a value"},
        {{"--pages", "1"}, Display::None, 2, "", "--pages goes with --export-pdf"},
        {{"@/missing"}, Display::Offscreen, 2, "", "is not there"},
        {{"@/notes.txt"}, Display::Offscreen, 2, "", "is neither a folder nor a Veldrin.dat file"},
        {{"@/missing/Veldrin.dat"}, Display::Offscreen, 2, "", "is not there"},
        {{"@", "@"}, Display::Offscreen, 2, "", "one folder only"},
        {{}, Display::None, 1, "", "no display to show the window on"},
        {{}, Display::DeadX, 1, "", "no display to show the window on"},
        {{}, Display::DeadWayland, 1, "", "no display to show the window on"},
        {{}, Display::ForcedX, 1, "", "no display to show the window on"},
        {{"@"}, Display::None, 1, "", "--export-pdf works without one"},
        {{"--documents"}, Display::None, 1, "", "no display to show the window on"},
    };
    for (const auto& c : cases) {
        std::string label = (c.arguments.empty() ? std::string("(none)") : c.arguments[0]) + " / display " +
                            std::to_string(static_cast<int>(c.display));
        std::set<std::string> before = Listing(root.Path());
        ChildResult result = Run(c.arguments, c.display);
        ASSERT_TRUE(result.ended) << label << ": still running";
        EXPECT_EQ(result.signal, 0) << label << "\n" << result.err;
        EXPECT_EQ(result.exitCode, c.exitCode) << label << "\n" << result.err;
        EXPECT_EQ(result.out.rfind(c.out, 0), 0u) << label << ": " << result.out;
        if (c.out[0] == '\0') {
            EXPECT_EQ(result.out, "") << label;
        }
        if (c.err[0] == '\0') {
            EXPECT_EQ(result.err, "") << label;
        } else {
            EXPECT_NE(result.err.find(c.err), std::string::npos) << label << ": " << result.err;
            EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << label << ": not one line: " << result.err;
        }
        EXPECT_EQ(Lines(Listing(root.Path())), Lines(before)) << label << ": files were made";
    }
}

// The export is reached without any display: whatever it answers, it is
// not the display's refusal and not Qt ending the process.
TEST_F(ProgramProcessTest, TheExportNeedsNoDisplay) {
    for (Display display : {Display::None, Display::DeadX, Display::ForcedX}) {
        ChildResult result = Run({"--export-pdf", "book.pdf", "@"}, display);
        ASSERT_TRUE(result.ended);
        EXPECT_EQ(result.signal, 0) << result.err;
        EXPECT_NE(result.exitCode, 2) << result.err;
        EXPECT_EQ(result.err.find("no display"), std::string::npos) << result.err;
        EXPECT_FALSE(fs::exists(drawings + "/book.pdf")) << "OUT.pdf is taken from the start folder";
    }
}

// Commands that open the window keep their drawings where they say: the
// folder given, the folder of the Veldrin.dat given, the menu folder, or
// the folder the command was given in.
TEST_F(ProgramProcessTest, TheWindowWorksInTheFolderTheCommandNames) {
    fs::create_directories(home + "/.config");
    std::ofstream(home + "/.config/user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n";
    const struct {
        std::vector<std::string> arguments;
        std::string folder;  // where Veldrin.dat must appear
    } cases[] = {
        {{"@"}, drawings},
        {{"--", "@/"}, drawings},
        {{"@/Veldrin.dat"}, drawings},  // made by the first row
        {{"--documents"}, home + "/Papers/Tarnwick"},
        {{}, work},
    };
    for (const auto& c : cases) {
        std::string label = c.arguments.empty() ? "(none)" : c.arguments.back();
        pid_t child = StartChild(Argv(c.arguments), work, EnvironmentOf(Display::Offscreen), scratch.Path());
        ASSERT_GT(child, 0);
        // The store has created its tables once the file has a page in it.
        std::string file = c.folder + "/Veldrin.dat";
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        std::error_code error;
        while (!(fs::exists(file) && fs::file_size(file, error) > 0) && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        ChildResult result = StopChild(child, scratch.Path());
        EXPECT_TRUE(fs::exists(file) && fs::file_size(file, error) > 0) << label << ": " << result.err;
        EXPECT_EQ(result.signal, SIGTERM) << label << ": it ended by itself with " << result.exitCode << "\n"
                                          << result.err;
        if (c.folder != work) {
            EXPECT_FALSE(fs::exists(work + "/Veldrin.dat")) << label;
        }
    }
}

}  // namespace
