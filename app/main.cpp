// Veldrin's process entry: hands the program's resources to the port
// layer and runs the Win32 entry.
#include "resources.h"
#include "win_main.h"

int main() {
    HMODULE program = GetModuleHandleA(nullptr);
    RegisterProgramResources(program);
    char noCommandLine[] = "";
    return WinMain(program, nullptr, noCommandLine, SW_SHOWDEFAULT);
}
