// The numbers by which the program's windows, controls, commands and
// resources know each other: the program's resource.h. The resource script
// (resources.cpp) and the code that handles the messages both use these.
#ifndef TARNWICK_APP_RESOURCES_RESOURCE_IDS_H
#define TARNWICK_APP_RESOURCES_RESOURCE_IDS_H

// Resources.
#define IDI_PROGRAM 1            // the program's icon
#define IDD_MAIN 101             // the main window
#define IDR_ACCELERATORS 106     // the keys of the main window
#define IDD_TEXT 107             // asks for the text tool's text
#define IDD_GOTO 108             // asks for a page number
#define IDR_CANVAS_CURSOR 109    // the crosshair over the canvas
#define IDR_ERASER_CURSOR 110    // the eraser over the canvas while erasing
#define IDD_HELP 112             // the help text

// Controls of the main window.
#define IDC_CANVAS 1009
#define IDC_LINE_WIDTH 1011
#define IDC_LINE_COLOUR 1012
#define IDC_LINE_STYLE 1013
#define IDC_TOOL 1014
#define IDC_FONT_SIZE 1015
#define IDC_PAGE_NUMBER 1016
#define IDC_PRINT 1017
#define IDC_EXIT 1018
#define IDC_GOTO_PAGE 1019
#define IDC_FILL_COLOUR 1020
#define IDC_TEMPORARY 1023

// Controls of the modal dialogs.
#define IDC_TEXT 1018         // text entry: the text
#define IDC_GOTO_NUMBER 1020  // go to page: the page number
#define IDC_HELP_OK 1021      // help: OK
#define IDC_HELP_TEXT 1022    // help: the text

// Commands of the keys (and of the help button).
#define ID_NEXT_PAGE 40001
#define ID_PREVIOUS_PAGE 40002
#define ID_DELETE_PAGE 40003
#define ID_SCROLL_DOWN 40004
#define ID_SCROLL_UP 40005
#define ID_NO_TOOL 40006
#define ID_LINE_TOOL 40007
#define ID_RECTANGLE_TOOL 40008
#define ID_ELLIPSE_TOOL 40009
#define ID_TEXT_TOOL 40010
#define ID_ENTER_TEXT 40011
#define ID_POLYGON_TOOL 40013
#define ID_HELP 40015
#define ID_DELETE_TEMPORARY 40016
#define ID_UNDO 40017
#define ID_REDO 40018
#define ID_ERASE 40019

#endif
