// The main window's caption: the program's name, and whatever the store
// could not do, so that a figure that is not stored never looks stored.
#ifndef TARNWICK_APP_CORE_STORE_CAPTION_H
#define TARNWICK_APP_CORE_STORE_CAPTION_H

#include <cstddef>

inline constexpr const char kProgramCaption[] = "Tarnwick v1.00";

// "Tarnwick v1.00", then " - Veldrin.dat is damaged", " - N figures not
// saved" and " - not deleted" as they apply.
void FormatStoreCaption(char* out, std::size_t size, int keptFigures, bool damaged, bool deleteFailed);

#endif
