#include "resources.h"

#include "resource_parts.h"

const ResourceEntry kProgramResources[] = {
    {RT_DIALOG, IDD_MAIN, &kMainDialog},
    {RT_DIALOG, IDD_TEXT, &kTextDialog},
    {RT_DIALOG, IDD_GOTO, &kGotoDialog},
    {RT_DIALOG, IDD_HELP, &kHelpDialog},
    {RT_ACCELERATOR, IDR_ACCELERATORS, &kMainAccelerators},
    {RT_ICON, IDI_PROGRAM, &kProgramIcon},
    {RT_CURSOR, IDR_CANVAS_CURSOR, &kCanvasCursor},
    {RT_CURSOR, IDR_ERASER_CURSOR, &kEraserCursor},
};

const int kProgramResourceCount = sizeof(kProgramResources) / sizeof(kProgramResources[0]);

BOOL RegisterProgramResources(HMODULE module) {
    return RegisterModuleResources(module, kProgramResources, kProgramResourceCount);
}
