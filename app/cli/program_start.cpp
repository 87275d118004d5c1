#include "program_start.h"

#include <exception>
#include <string>

#include "command_line.h"
#include "working_folder.h"

#ifndef TARNWICK_VERSION
#error "TARNWICK_VERSION is set by the build"
#endif

namespace {

constexpr const char* kNoDisplay =
    "tarnwick: no display to show the window on (no X or Wayland server answers at DISPLAY or "
    "WAYLAND_DISPLAY); tarnwick --export-pdf works without one\n";

// Writes an answer in full; 1 when the stream refused it (a full disk, a
// closed pipe), since a help text cut short is no answer.
int Answer(const std::string& text, std::FILE* out, std::FILE* err) {
    bool written = std::fputs(text.c_str(), out) >= 0 && std::fflush(out) == 0;
    if (written) return 0;
    std::fputs("tarnwick: cannot write the answer to standard output\n", err);
    return 1;
}

int Refuse(const std::string& line, int exitCode, std::FILE* err) {
    std::fputs((line + "\n").c_str(), err);
    return exitCode;
}

int Start(int argc, const char* const* argv, const ProgramParts& parts, std::FILE* out, std::FILE* err) {
    CommandLine line = ReadCommandLine(argc, argv);
    if (!line.error.empty()) return Refuse(line.error, 2, err);
    ProgramAction action = ActionOf(line);
    if (action == ProgramAction::ShowHelp) return Answer(HelpText(), out, err);
    if (action == ProgramAction::ShowVersion) return Answer("tarnwick " TARNWICK_VERSION "\n", out, err);

    WorkingFolder folder;
    std::string error;
    if (int code = ChooseWorkingFolder(line, folder, error); code != 0) return Refuse(error, code, err);
    // Without a display nothing is made or opened, not even the menu folder.
    if (action == ProgramAction::OpenWindow && parts.displayAvailable() == 0) {
        std::fputs(kNoDisplay, err);
        return 1;
    }
    // The output is named from where the command was given; it stays as
    // given when the program stays there, so messages name it as the user did.
    std::string output;
    if (line.exportPath != nullptr) output = folder.path.empty() ? line.exportPath : AbsolutePath(line.exportPath);
    if (int code = EnterWorkingFolder(folder, error); code != 0) return Refuse(error, code, err);
    if (action == ProgramAction::OpenWindow) return parts.openWindow();

    ExportRequest request;
    request.outputPath = output.c_str();
    request.pages = line.pages;
    request.paper = line.paper;
    return parts.exportPdf(request);
}

}  // namespace

int StartProgram(int argc, const char* const* argv, const ProgramParts& parts, std::FILE* out,
                 std::FILE* err) {
    try {
        return Start(argc, argv, parts, out, err);
    } catch (const std::exception&) {
        // Only the command line's own texts allocate here; the parts never throw.
        std::fputs("tarnwick: out of memory\n", err);
        return 1;
    }
}
