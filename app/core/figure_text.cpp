#include "figure_text.h"

OwnedText EncodeFigure(DrawObject* figure) {
    int length = 0;
    figure->Encode(nullptr, &length);
    if (length <= 0) return nullptr;
    OwnedText text = AllocateText(static_cast<std::size_t>(length));
    if (!text) return nullptr;
    // Trust the text only when it was written and ends inside the buffer.
    if (figure->Encode(text.get(), &length) == 0 ||
        std::memchr(text.get(), '\0', static_cast<std::size_t>(length)) == nullptr) {
        return nullptr;
    }
    return text;
}
