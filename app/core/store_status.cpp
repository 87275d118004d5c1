#include "store_status.h"

#include <cstdio>

namespace {

const char* NoticeFormat(StoreNotice notice) {
    switch (notice) {
        case StoreNotice::NotDeleted: return " - page %d not deleted";
        case StoreNotice::NotRead: return " - page %d could not be read";
        case StoreNotice::UndoNotDone: return " - undo on page %d not done";
        case StoreNotice::RedoNotDone: return " - redo on page %d not done";
        case StoreNotice::NotErased: return " - figure on page %d not erased";
        case StoreNotice::None: break;
    }
    return "";
}

}  // namespace

void FormatStoreCaption(char* out, std::size_t size, const StoreStatus& status) {
    if (out == nullptr || size == 0) return;
    char kept[48] = "";
    if (status.keptFigures > 0) {
        std::snprintf(kept, sizeof(kept), " - %d %s not saved", status.keptFigures,
                      status.keptFigures == 1 ? "figure" : "figures");
    }
    char notice[64] = "";
    std::snprintf(notice, sizeof(notice), NoticeFormat(status.notice), status.noticePage);
    std::snprintf(out, size, "%s%s%s%s", kProgramCaption, status.damaged ? " - Veldrin.dat is damaged" : "", kept,
                  notice);
}
