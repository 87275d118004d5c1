// Which tool receives the mouse: the Tool box, its keys (Ctrl+1 to Ctrl+5),
// Esc, and the text command. Each of them ends erasing (erasing.h). Entry 0 of the Tool box is "no tool"; entry k
// is the tool at position k - 1 of the tool list.
#ifndef TARNWICK_APP_UI_TOOL_CHOICE_H
#define TARNWICK_APP_UI_TOOL_CHOICE_H

#include "draw_tool.h"
#include "windows.h"

// Makes the current tool follow the Tool box. A tool that stops being
// current keeps any shape under way and goes on with it when chosen again.
void ApplyToolChoice(HWND mainWindow);

// The tool command with this id, as its key sends it: the Tool box goes to
// the tool's entry and the tool becomes current. False when no tool
// command has the id.
bool RunToolCommand(HWND mainWindow, WORD id);

// No tool: the current one forgets its shape under way, and the canvas is
// drawn again without it.
void DropTool(HWND mainWindow);

// The text tool becomes current, and the text it places next is asked for.
void TakeTextTool(HWND mainWindow);

// Which tools hold a shape under way: a click that finished no figure
// starts or continues one; a finished figure or a Reset ends it.
void NoteToolClick(DrawTool* tool, bool leftButton, bool finishedFigure);
bool HasShapeUnderWay(DrawTool* tool);
// The tool forgets its shape under way (Reset), and the canvas shows it.
void DropShapeUnderWay(DrawTool* tool);
// A new main window starts with no shape under way.
void ForgetShapesUnderWay();

#endif
