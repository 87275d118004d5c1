// The pieces of the resource table, each written down in a file of its own.
#ifndef TARNWICK_APP_RESOURCES_RESOURCE_PARTS_H
#define TARNWICK_APP_RESOURCES_RESOURCE_PARTS_H

#include "resource_script.h"

extern const DialogResource kMainDialog;           // main_dialog.cpp
extern const DialogResource kTextDialog;           // modal_dialogs.cpp
extern const DialogResource kGotoDialog;           // modal_dialogs.cpp
extern const DialogResource kHelpDialog;           // modal_dialogs.cpp
extern const char kHelpText[];                     // help_text.cpp
extern const AcceleratorResource kMainAccelerators;  // accelerators.cpp
extern const PictureResource kProgramIcon;         // program_icon.cpp
extern const PictureResource kCanvasCursor;        // canvas_cursor.cpp
extern const PictureResource kEraserCursor;        // eraser_cursor.cpp

#endif
