// Veldrin's process entry: hands the program's resources to the port layer
// and lets the command line choose between an answer, a PDF export and the
// main window (through the Win32 entry).
#include "notebook_export.h"
#include "port_display.h"
#include "program_start.h"
#include "resources.h"
#include "win_main.h"

namespace {

int OpenMainWindow() {
    char noCommandLine[] = "";
    return WinMain(GetModuleHandleA(nullptr), nullptr, noCommandLine, SW_SHOWDEFAULT);
}

}  // namespace

int main(int argc, char** argv) {
    RegisterProgramResources(GetModuleHandleA(nullptr));
    const ProgramParts parts{OpenMainWindow, ExportNotebookPdf, PortDisplayAvailable};
    return StartProgram(argc, argv, parts, stdout, stderr);
}
