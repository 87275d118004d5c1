// The documents folder read from user-dirs.dirs as xdg-user-dir reads it.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "scoped_environment.h"
#include "temp_folder.h"
#include "user_dirs.h"

namespace {

TEST(UserDirsTest, ReadsTheDocumentsEntryAsTheDesktopWritesIt) {
    const struct {
        const char* text;
        const char* expected;  // "" when the text names no documents folder
    } cases[] = {
        {"XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n", "/home/ann/Documents"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"", "/home/ann/Dokumente"},  // no final line break
        {"XDG_DOCUMENTS_DIR=\"/srv/papers\"\n", "/srv/papers"},
        {"XDG_DOCUMENTS_DIR=\"$HOME\"\n", "/home/ann"},  // documents switched off: the home folder
        {"XDG_DOCUMENTS_DIR=\"$HOME/\"\n", "/home/ann"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/My \\\"Papers\\\"\"\n", "/home/ann/My \"Papers\""},
        {"XDG_DOCUMENTS_DIR=\"$HOME/Docs/\"\n", "/home/ann/Docs"},
        {"  XDG_DOCUMENTS_DIR = \"$HOME/Spaced\"\n", "/home/ann/Spaced"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/A\"\nXDG_DOCUMENTS_DIR=\"$HOME/B\"\n", "/home/ann/B"},  // last one counts
        {"# XDG_DOCUMENTS_DIR=\"$HOME/Commented\"\n", ""},
        {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n", ""},
        {"XDG_DOCUMENTS_DIR=\"relative/path\"\n", ""},  // neither $HOME nor absolute
        {"XDG_DOCUMENTS_DIR=\"$HOMEWORK/x\"\n", ""},
        {"XDG_DOCUMENTS_DIR=\"$HOME/unclosed\n", ""},
        {"XDG_DOCUMENTS_DIR=$HOME/Unquoted\n", ""},
        {"XDG_DOCUMENTS_DIRECTORY=\"/elsewhere\"\n", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DocumentsFolderIn(c.text, "/home/ann"), c.expected) << c.text;
    }
}

// The file is looked for in XDG_CONFIG_HOME, else ~/.config; without it or
// its entry the documents folder is ~/Documents.
TEST(UserDirsTest, FindsTheFileInTheConfigurationFolder) {
    TempFolder home;
    ScopedEnvironment environment;
    environment.Set("HOME", home.Path().c_str());
    environment.Set("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(UserDocumentsFolder(), home.Path() + "/Documents");

    std::filesystem::create_directories(home.Path() + "/.config");
    std::ofstream(home.Path() + "/.config/user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"$HOME/Papiers\"\n";
    EXPECT_EQ(UserDocumentsFolder(), home.Path() + "/Papiers");

    std::filesystem::create_directories(home.Path() + "/elsewhere");
    std::ofstream(home.Path() + "/elsewhere/user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"/srv/Docs\"\n";
    environment.Set("XDG_CONFIG_HOME", (home.Path() + "/elsewhere").c_str());
    EXPECT_EQ(UserDocumentsFolder(), "/srv/Docs");
    environment.Set("XDG_CONFIG_HOME", "relative");  // not absolute: ignored, as the desktop ignores it
    EXPECT_EQ(UserDocumentsFolder(), home.Path() + "/Papiers");
}

}  // namespace
