#include "field_reader.h"

#include <cstdint>

namespace {

constexpr char kSeparator = ';';

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

char* FieldReader::Next() {
    char* start = next_;
    while (*start == kSeparator) ++start;
    if (*start == '\0') {
        next_ = start;
        return nullptr;
    }
    char* end = start;
    while (*end != kSeparator && *end != '\0') ++end;
    if (*end == kSeparator) {
        *end = '\0';
        next_ = end + 1;
    } else {
        next_ = end;
    }
    return start;
}

const char* FieldWalker::Next() {
    const char* start = next_;
    while (*start == kSeparator) ++start;
    if (*start == '\0') {
        next_ = start;
        return nullptr;
    }
    const char* end = start;
    while (*end != kSeparator && *end != '\0') ++end;
    next_ = *end == kSeparator ? end + 1 : end;
    return start;
}

int FieldReader::Value(const char* field) {
    while (IsSpace(*field)) ++field;
    bool negative = *field == '-';
    if (*field == '-' || *field == '+') ++field;
    // Magnitudes stop at 2^63, where strtol saturates.
    constexpr std::uint64_t kLimit = std::uint64_t{1} << 63;
    std::uint64_t magnitude = 0;
    for (; *field >= '0' && *field <= '9'; ++field) {
        const unsigned digit = static_cast<unsigned>(*field - '0');
        magnitude = magnitude > (kLimit - digit) / 10 ? kLimit : magnitude * 10 + digit;
    }
    if (!negative && magnitude == kLimit) magnitude = kLimit - 1;
    const std::uint64_t value = negative ? ~magnitude + 1 : magnitude;
    return static_cast<int>(static_cast<std::uint32_t>(value));
}
