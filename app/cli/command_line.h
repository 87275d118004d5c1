// The program's command line read into what it asks for, without acting on
// any of it: the options are rows of one table (kOptions), which also
// writes the --help text, so the two cannot disagree.
#ifndef TARNWICK_APP_CLI_COMMAND_LINE_H
#define TARNWICK_APP_CLI_COMMAND_LINE_H

#include <string>

struct CommandLine {
    bool help = false;                 // -h, --help
    bool version = false;              // --version
    bool documentsFolder = false;      // --documents: no FOLDER means the documents folder's Tarnwick/
    const char* folder = nullptr;      // FOLDER or FOLDER/Veldrin.dat, as given
    const char* exportPath = nullptr;  // --export-pdf OUT.pdf, as given
    const char* pages = nullptr;       // --pages LIST, as given
    const char* paper = nullptr;       // --paper SIZE, as given
    std::string error;                 // when not empty: the one line that refuses the command line
};

// What the program does with a command line that was read without error.
enum class ProgramAction { ShowHelp, ShowVersion, ExportPdf, OpenWindow };

// Reads argv[1..argc-1]. Options take their value as "--name VALUE" or
// "--name=VALUE"; a value that is empty or, in the first form, looks like
// an option is missing. "--" ends the options. At most one FOLDER. The
// values are not checked beyond that: their users do.
CommandLine ReadCommandLine(int argc, const char* const* argv);

// Help before version before export; the window otherwise.
ProgramAction ActionOf(const CommandLine& line);

// The --help text: usage, what the program keeps where, every option of the
// table, exit codes.
std::string HelpText();

#endif
