// The small conversions between what a dialog holds and what the program
// gets: template rectangles from dialog units to pixels (Win32's MulDiv
// rounding, -1 for what does not fit), a window's text cut to a caller's
// buffer without ending inside a UTF-8 character, and the typed page number.
//
// Input: a flag byte, nine 32-bit values for the conversions, a 16-bit
// buffer size, then the text.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "modal_dialogs.h"
#include "resource_script.h"
#include "user/dialog_units.h"
#include "windows.h"

namespace {

using tarnwick::user::DialogBaseUnits;

// ---- Dialog units ----

// a * b / c rounded half away from zero, from the truncated quotient and its
// remainder; -1 when c is 0 or the result is beyond int.
int ReferenceMulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const long long n = static_cast<long long>(a) * b;
    long long q = n / c;
    const long long r = n % c;
    if (2 * std::llabs(r) >= std::llabs(static_cast<long long>(c))) q += (n < 0) != (c < 0) ? -1 : 1;
    return q < INT_MIN || q > INT_MAX ? -1 : static_cast<int>(q);
}

// Template values are shorts and base units come from a font; flag bit 0
// lifts both to any int.
void CheckDialogUnits(bool anyValue, InputReader& input) {
    int v[9];
    for (int& value : v) value = input.Take<int>();
    if (!anyValue) {
        v[0] = static_cast<std::uint16_t>(v[0]);  // base units: 0..65535 pixels
        v[1] = static_cast<std::uint16_t>(v[1]);
        for (int i = 2; i < 6; ++i) v[i] = static_cast<short>(v[i]);
    }
    const DialogBaseUnits units{v[0], v[1]};
    const QRect pixels = tarnwick::user::DialogUnitsToPixels(units, v[2], v[3], v[4], v[5]);
    // Edges rather than width and height: a height of INT_MIN has no int span.
    // The far edge is origin + extent - 1 worked out in 64 bits; where that
    // leaves int it stops at INT_MIN below and INT_MAX - 1 above (QRect's
    // far edge plus one must still be an int).
    const auto farEdge = [](long long origin, long long extent) {
        return std::clamp(origin + extent - 1, static_cast<long long>(INT_MIN), INT_MAX - 1LL);
    };
    const long long x = ReferenceMulDiv(v[2], units.x, 4), y = ReferenceMulDiv(v[3], units.y, 8);
    const long long right = farEdge(x, ReferenceMulDiv(v[4], units.x, 4));
    const long long bottom = farEdge(y, ReferenceMulDiv(v[5], units.y, 8));
    FUZZ_CHECK(pixels.left() == x && pixels.top() == y && pixels.right() == right && pixels.bottom() == bottom,
               "units %d,%d, rectangle %d,%d %dx%d", v[0], v[1], v[2], v[3], v[4], v[5]);
    FUZZ_CHECK(tarnwick::user::MulDiv(v[6], v[7], v[8]) == ReferenceMulDiv(v[6], v[7], v[8]), "MulDiv(%d, %d, %d)",
               v[6], v[7], v[8]);
    FUZZ_CHECK(tarnwick::user::PointsToPixels(v[6], v[7]) == ReferenceMulDiv(v[6], v[7], 72), "%d points at %d dpi",
               v[6], v[7]);
}

// Rectangles at the edges of int with the edges written out, so that the
// check above and the conversion cannot share a mistake. Base units of 4 and
// 8 make one dialog unit one pixel.
void CheckPinnedRectangles() {
    const struct {
        int x, y, cx, cy;
        int left, top, right, bottom;
    } cases[] = {
        {3, 5, 10, 20, 3, 5, 12, 24},
        {3, 5, 0, -4, 3, 5, 2, 0},                                             // empty and turned
        {INT_MAX - 5, 0, 100, 1, INT_MAX - 5, 0, 2147483646, 0},                // stops below INT_MAX
        {INT_MIN + 5, 0, -100, 1, INT_MIN + 5, 0, -2147483647 - 1, 0},          // stops at INT_MIN
        {0, INT_MAX, 1, INT_MAX, 0, INT_MAX, 0, 2147483646},
        {0, INT_MIN, 1, INT_MIN, 0, INT_MIN, 0, -2147483647 - 1},
    };
    for (const auto& c : cases) {
        const QRect pixels = tarnwick::user::DialogUnitsToPixels(DialogBaseUnits{4, 8}, c.x, c.y, c.cx, c.cy);
        FUZZ_CHECK(pixels.left() == c.left && pixels.top() == c.top && pixels.right() == c.right &&
                       pixels.bottom() == c.bottom,
                   "rectangle %d,%d %dx%d came out as %d,%d to %d,%d", c.x, c.y, c.cx, c.cy, pixels.left(),
                   pixels.top(), pixels.right(), pixels.bottom());
    }
}

// ---- Text cut to a buffer ----

// The length of the well-formed UTF-8 sequence starting at `at` (Unicode's
// table of well-formed byte sequences), or 0 when none starts there.
std::size_t SequenceLength(const std::string& text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(at);
    if (lead < 0x80) return 1;
    std::size_t length;
    unsigned low = 0x80, high = 0xBF;  // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead == 0xE0) length = 3, low = 0xA0;
    else if (lead == 0xED) length = 3, high = 0x9F;
    else if (lead >= 0xE1 && lead <= 0xEF) length = 3;
    else if (lead == 0xF0) length = 4, low = 0x90;
    else if (lead == 0xF4) length = 4, high = 0x8F;
    else if (lead >= 0xF1 && lead <= 0xF3) length = 4;
    else return 0;
    if (at + length > text.size()) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
    }
    return length;
}

bool IsValidUtf8(const std::string& text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = SequenceLength(text, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

// Whether a cut after `cut` bytes falls inside a well-formed sequence.
bool SplitsACharacter(const std::string& text, std::size_t cut) {
    for (std::size_t at = 0; at < text.size() && at < cut;) {
        const std::size_t length = SequenceLength(text, at);
        if (at + length > cut && length > 1) return true;
        at += length == 0 ? 1 : length;
    }
    return false;
}

// The longest cut of valid UTF-8 within `limit` bytes that keeps whole characters.
std::size_t WholeCharactersWithin(const std::string& text, std::size_t limit) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t next = at + SequenceLength(text, at);
        if (next > limit) break;
        at = next;
    }
    return at;
}

// A buffer size for the text: mostly around its length, sometimes none or
// a negative one.
int BufferSize(std::uint16_t raw, std::size_t textLength) {
    if (raw == 0xFFFF) return INT_MIN;
    if (raw >= 0xFF00) return -static_cast<int>(raw & 0xFF);
    return static_cast<int>(raw % (textLength + 6)) - 1;
}

enum : WORD { kDialogId = 1, kStaticId = 10, kEditId = 11 };

const DialogItemResource kItems[] = {
    {"STATIC", nullptr, kStaticId, WS_VISIBLE | SS_LEFT, 4, 4, 100, 8},
    {"EDIT", nullptr, kEditId, WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 4, 16, 100, 12},
};
const DialogResource kDialog = {WS_POPUP | WS_CAPTION | DS_SETFONT, 0, 0, 120, 40, "Text", 8, "MS Sans Serif",
                                kItems, 2};
const ResourceEntry kResources[] = {{RT_DIALOG, kDialogId, &kDialog}};

INT_PTR QuietProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

HWND dialog = nullptr;

// Reads a control's text into a heap buffer of exactly `size` bytes (none
// when size <= 0), through the control or through its dialog.
std::string ReadText(int id, int size, bool throughDialog, int* returned) {
    char* buffer = new char[size > 0 ? static_cast<std::size_t>(size) : 0];
    *returned = throughDialog ? static_cast<int>(GetDlgItemTextA(dialog, id, buffer, size))
                              : GetWindowTextA(GetDlgItem(dialog, id), buffer, size);
    std::string text;
    if (size > 0) {
        FUZZ_CHECK(*returned >= 0 && *returned < size, "%d bytes reported for a buffer of %d", *returned, size);
        FUZZ_CHECK(buffer[*returned] == '\0', "no NUL after the %d bytes reported", *returned);
        text.assign(buffer, static_cast<std::size_t>(*returned));
    } else {
        FUZZ_CHECK(*returned == 0, "%d bytes reported for a buffer of %d", *returned, size);
    }
    delete[] buffer;
    return text;
}

// A static control keeps its text byte for byte: a cut is a prefix of it,
// as long as the buffer allows, never inside a well-formed character and,
// for valid UTF-8, short of the limit only by the character that did not fit.
void CheckRawText(const std::string& text, int size) {
    FUZZ_CHECK(SetDlgItemTextA(dialog, kStaticId, text.c_str()), "the static control took no text");
    for (bool throughDialog : {false, true}) {
        int returned = 0;
        const std::string cut = ReadText(kStaticId, size, throughDialog, &returned);
        if (size <= 0) continue;
        const std::size_t limit = static_cast<std::size_t>(size) - 1;
        FUZZ_CHECK(text.compare(0, cut.size(), cut) == 0, "the cut is no prefix of the text");
        if (text.size() <= limit) {
            FUZZ_CHECK(cut.size() == text.size(), "%zu of %zu bytes with room for %zu", cut.size(), text.size(), limit);
            continue;
        }
        FUZZ_CHECK(!SplitsACharacter(text, cut.size()), "the cut after %zu bytes splits a character", cut.size());
        if (IsValidUtf8(text)) {
            FUZZ_CHECK(cut.size() == WholeCharactersWithin(text, limit), "%zu bytes kept of valid text, %zu fit",
                       cut.size(), WholeCharactersWithin(text, limit));
        }
    }
}

// An edit control holds what its widget shows, always valid UTF-8; a cut
// keeps every whole character that fits.
void CheckEditText(const std::string& text, int size) {
    FUZZ_CHECK(SetDlgItemTextA(dialog, kEditId, text.c_str()), "the edit control took no text");
    const int length = static_cast<int>(SendDlgItemMessageA(dialog, kEditId, WM_GETTEXTLENGTH, 0, 0));
    FUZZ_CHECK(length >= 0, "a negative text length");
    int returned = 0;
    const std::string full = ReadText(kEditId, length + 1, true, &returned);
    FUZZ_CHECK(returned == length, "%d bytes read of a text of %d", returned, length);
    FUZZ_CHECK(IsValidUtf8(full), "an edit control's text is not UTF-8");
    if (IsValidUtf8(text) && text.find_first_of("\r\n") == std::string::npos) {
        FUZZ_CHECK(full == text, "[%s] came back as [%s]", text.c_str(), full.c_str());
    }
    for (bool throughDialog : {false, true}) {
        const std::string cut = ReadText(kEditId, size, throughDialog, &returned);
        if (size <= 0) continue;
        const std::size_t expected = WholeCharactersWithin(full, static_cast<std::size_t>(size) - 1);
        FUZZ_CHECK(cut == full.substr(0, expected), "%zu bytes kept of the text, %zu fit", cut.size(), expected);
    }
}

// ---- The page number ----

// strtoll reads the same white space, sign and digits; its result,
// saturated at the long long range, then stops at the int range.
void CheckPageNumber(const std::string& text) {
    errno = 0;
    const long long wide = std::strtoll(text.c_str(), nullptr, 10);
    const int expected = wide < INT_MIN ? INT_MIN : wide > INT_MAX ? INT_MAX : static_cast<int>(wide);
    char* copy = new char[text.size() + 1];  // exactly the text and its NUL
    std::memcpy(copy, text.c_str(), text.size() + 1);
    const int parsed = ParsePageNumber(copy);
    delete[] copy;
    FUZZ_CHECK(parsed == expected, "[%s] read as %d, not %d", text.c_str(), parsed, expected);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    UseOffscreenPlatform();
    CheckPinnedRectangles();
    FUZZ_CHECK(RegisterModuleResources(GetModuleHandleA(nullptr), kResources, 1), "resources refused");
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kDialogId), nullptr, QuietProc, 0);
    FUZZ_CHECK(dialog != nullptr, "no dialog");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InputReader input(data, size);
    const auto flags = input.Take<std::uint8_t>();
    CheckDialogUnits(flags & 1, input);
    const auto rawSize = input.Take<std::uint16_t>();
    std::string text = input.Rest();
    text.resize(std::strlen(text.c_str()));  // a C string ends at its first NUL
    const int bufferSize = BufferSize(rawSize, text.size());
    CheckRawText(text, bufferSize);
    CheckEditText(text, bufferSize);
    CheckPageNumber(text);
    return 0;
}
