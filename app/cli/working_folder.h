// The working folder the program keeps its drawings in, chosen before
// anything is opened: the program's own rule stays "Veldrin.dat in the
// working folder", so a folder from the command line or the desktop menu
// becomes the working folder first.
#ifndef TARNWICK_APP_CLI_WORKING_FOLDER_H
#define TARNWICK_APP_CLI_WORKING_FOLDER_H

#include <string>

#include "command_line.h"

// The file the program keeps its drawings in, in its working folder.
inline constexpr const char* kDrawingsFile = "Veldrin.dat";

// The folder an argument names: the argument itself when it is a folder,
// the folder holding it when it is an existing file named Veldrin.dat.
// Otherwise empty, with `why` saying what is wrong with it.
std::string FolderOfArgument(const char* argument, std::string& why);

// Tarnwick/ in the user's documents folder; empty when there is no home
// folder.
std::string MenuFolder();

// The folder to work in, chosen without touching anything.
struct WorkingFolder {
    std::string path;   // empty: stay in the current working folder
    bool make = false;  // the menu folder: made with its parents when missing
};

// The folder the command line asks for: FOLDER, else with --documents the
// menu folder, else none. Returns 0, or the exit code after the one line
// of `error` that says why not: 2 for a FOLDER it cannot use, 1 when there
// is no home folder.
int ChooseWorkingFolder(const CommandLine& line, WorkingFolder& folder, std::string& error);

// Moves the process into the chosen folder, making it first when it is
// the menu folder. Returns 0, or 1 after the one line of `error`.
int EnterWorkingFolder(const WorkingFolder& folder, std::string& error);

// `path` made absolute against the current working folder.
std::string AbsolutePath(const char* path);

#endif
