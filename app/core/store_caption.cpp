#include "store_caption.h"

#include <cstdio>

void FormatStoreCaption(char* out, std::size_t size, int keptFigures, bool damaged, bool deleteFailed) {
    if (out == nullptr || size == 0) return;
    char kept[48] = "";
    if (keptFigures > 0)
        std::snprintf(kept, sizeof(kept), " - %d %s not saved", keptFigures, keptFigures == 1 ? "figure" : "figures");
    std::snprintf(out, size, "%s%s%s%s", kProgramCaption, damaged ? " - Veldrin.dat is damaged" : "", kept,
                  deleteFailed ? " - not deleted" : "");
}
