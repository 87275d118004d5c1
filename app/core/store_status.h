// What the store could not do, and the caption that tells the user, so that
// a figure that is not stored never looks stored and a change that was not
// made never looks made.
#ifndef TARNWICK_APP_CORE_STORE_STATUS_H
#define TARNWICK_APP_CORE_STORE_STATUS_H

#include <cstddef>

inline constexpr const char kProgramCaption[] = "Tarnwick v1.00";

// The last thing the store refused to do to one page.
enum class StoreNotice {
    None,
    NotDeleted,   // deleting the page or its temporary lines
    NotRead,      // reading the page (it shows empty)
    UndoNotDone,  // taking back a change
    RedoNotDone,  // doing a change again
    NotErased,    // erasing one figure (it stays on screen)
};

struct StoreStatus {
    int keptFigures = 0;
    bool damaged = false;
    StoreNotice notice = StoreNotice::None;
    int noticePage = 0;

    bool operator==(const StoreStatus&) const = default;
};

// "Tarnwick v1.00", then " - Veldrin.dat is damaged", " - N figures not
// saved" and the notice (" - page 3 not deleted") as they apply.
void FormatStoreCaption(char* out, std::size_t size, const StoreStatus& status);

// Room for any caption FormatStoreCaption writes.
inline constexpr std::size_t kCaptionSize = 160;

#endif
