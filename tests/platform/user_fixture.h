// A small dialog of every control class, made from a template of the test
// binary's own resources, with a dialog procedure that records what reaches
// it. Every window and GDI object it made is gone when the test ends.
#ifndef TARNWICK_TESTS_PLATFORM_USER_FIXTURE_H
#define TARNWICK_TESTS_PLATFORM_USER_FIXTURE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resource_script.h"
#include "test_hooks.h"
#include "windows.h"

enum TestIds : WORD {
    kDialogId = 200,
    kKeysId = 201,
    kCursorId = 202,
    kLabelId = 300,
    kPixelsId = 301,
    kOkId = IDOK,
    kCancelId = IDCANCEL,
    kPrintId = 302,
    kCheckId = 303,
    kEditId = 304,
    kOwnerComboId = 305,
    kTextComboId = 306,
    kCommandOne = 40001,
    kCommandT = 40002,
    kCommandEnd = 40003,
};

// One message as the dialog procedure saw it.
struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Draws owner-drawn items as a band of the colour given as the item's data.
struct ItemDrawn {
    DRAWITEMSTRUCT item;
};

class UserTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND Item(int id) const { return GetDlgItem(dialog, id); }
    // The messages of one kind the dialog procedure saw, in order.
    std::vector<Seen> SeenOf(UINT message) const;
    std::vector<WORD> CommandsSeen() const;
    // Runs the program's loop until the queue is empty.
    void RunLoop(HACCEL keys);

    HWND dialog = nullptr;
    static std::vector<Seen> seen;
    static std::vector<ItemDrawn> drawn;

private:
    static INT_PTR RecordingProc(HWND, UINT, WPARAM, LPARAM);
    DWORD gdiBefore_ = 0;
    DWORD userBefore_ = 0;
};

#endif
