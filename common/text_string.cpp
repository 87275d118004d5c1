#include "text_string.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kSlack = 40;

bool IsTrimmedSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsKeptByPercentEncoding(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

}  // namespace

TextString::TextString(TextString&& other) noexcept
    : text_(other.text_), capacity_(other.capacity_), precision_(0) {
    other.text_ = nullptr;
    other.capacity_ = 0;
}

TextString::~TextString() { std::free(text_); }

int TextString::Reserve(int bytes) {
    if (capacity_ >= bytes) return 1;
    if (bytes > INT_MAX - kSlack) return 0;
    bool hadBuffer = text_ != nullptr;
    void* grown = std::realloc(text_, bytes + kSlack);
    if (grown == nullptr) return 0;
    text_ = static_cast<char*>(grown);
    capacity_ = bytes + kSlack;
    // A fresh buffer starts as the empty text rather than as stray bytes.
    if (!hadBuffer) text_[0] = '\0';
    return 1;
}

int TextString::GetLength() const { return text_ == nullptr ? 0 : static_cast<int>(std::strlen(text_)); }

int TextString::Detach() {
    int oldCapacity = capacity_;
    text_ = nullptr;
    capacity_ = 0;
    return oldCapacity;
}

void TextString::Adopt(TextString& other) {
    if (&other == this) return;
    std::free(text_);
    text_ = other.text_;
    capacity_ = other.capacity_;
    other.text_ = nullptr;
    other.capacity_ = 0;
}

int TextString::SetPrecision(int places) {
    precision_ = places < 0 ? 0 : places;
    return precision_;
}

TextString& TextString::Assign(const char* text) {
    if (text == nullptr) return *this;
    std::size_t length = std::strlen(text);
    if (length >= INT_MAX) return *this;
    // `text` may point into this buffer, which Reserve can move.
    bool inside = text_ != nullptr && text >= text_ && text < text_ + capacity_;
    long offset = inside ? text - text_ : 0;
    if (Reserve(static_cast<int>(length) + 1) == 0) return *this;
    if (inside) text = text_ + offset;
    std::memmove(text_, text, length + 1);
    return *this;
}

TextString& TextString::Append(const char* text) {
    if (text == nullptr || text[0] == '\0') return *this;
    long current = GetLength();
    long length = static_cast<long>(std::strlen(text));
    if (current + length >= INT_MAX) return *this;
    bool inside = text_ != nullptr && text >= text_ && text < text_ + capacity_;
    long offset = inside ? text - text_ : 0;
    if (Reserve(static_cast<int>(current + length + 1)) == 0) return *this;
    if (inside) text = text_ + offset;
    std::memmove(text_ + current, text, length + 1);
    return *this;
}

template <class Value>
TextString& TextString::FormatAt(int offset, const char* format, Value value) {
    int length = std::snprintf(nullptr, 0, format, value);
    if (length < 0 || length > INT_MAX - offset - 1) return *this;
    if (Reserve(offset + length + 1) == 0) return *this;
    std::snprintf(text_ + offset, length + 1, format, value);
    return *this;
}

// Precision 0 is the default six places, never zero places.
TextString& TextString::FormatReal(int offset, double value) {
    if (precision_ == 0) return FormatAt(offset, "%lf", value);
    int length = std::snprintf(nullptr, 0, "%0.*lf", precision_, value);
    if (length < 0 || length > INT_MAX - offset - 1) return *this;
    if (Reserve(offset + length + 1) == 0) return *this;
    std::snprintf(text_ + offset, length + 1, "%0.*lf", precision_, value);
    return *this;
}

TextString& TextString::operator=(unsigned long value) { return FormatAt(0, "%lu", value); }
TextString& TextString::operator=(long value) { return FormatAt(0, "%ld", value); }
TextString& TextString::operator=(double value) { return FormatReal(0, value); }
TextString& TextString::operator+=(unsigned long value) { return FormatAt(GetLength(), "%lu", value); }
TextString& TextString::operator+=(long value) { return FormatAt(GetLength(), "%ld", value); }
TextString& TextString::operator+=(double value) { return FormatReal(GetLength(), value); }

TextString& TextString::operator=(char value) {
    char text[2] = {value, '\0'};
    return Assign(text);
}

TextString& TextString::operator+=(char value) {
    char text[2] = {value, '\0'};
    return Append(text);
}

TextString TextString::operator+(const char* text) const {
    TextString result;
    result.Assign(text_);
    result.Append(text);
    return result;
}

TextString::operator long() const {
    if (text_ == nullptr || text_[0] == '\0') return 0;
    return std::atol(text_);
}

TextString::operator double() const {
    if (text_ == nullptr || text_[0] == '\0') return 0.0;
    return std::atof(text_);
}

char TextString::FirstChar() const { return text_ == nullptr ? 0 : text_[0]; }

char& TextString::operator[](int index) {
    if (text_ != nullptr && index >= 0 && index < capacity_) return text_[index];
    return spare_;
}

int TextString::CompareWith(const char* other, bool* comparable) const {
    *comparable = text_ != nullptr && other != nullptr;
    if (!*comparable) return 0;
    return std::strcmp(text_, other);  // strcmp compares bytes as unsigned char
}

bool TextString::operator==(const char* other) const {
    bool comparable;
    int order = CompareWith(other, &comparable);
    return comparable && order == 0;
}
bool TextString::operator!=(const char* other) const {
    bool comparable;
    int order = CompareWith(other, &comparable);
    return comparable && order != 0;
}
bool TextString::operator<(const char* other) const {
    bool comparable;
    int order = CompareWith(other, &comparable);
    return comparable && order < 0;
}
bool TextString::operator>(const char* other) const {
    bool comparable;
    int order = CompareWith(other, &comparable);
    return comparable && order > 0;
}
bool TextString::operator<=(const char* other) const {
    bool comparable;
    int order = CompareWith(other, &comparable);
    return comparable && order <= 0;
}
bool TextString::operator>=(const char* other) const {
    bool comparable;
    int order = CompareWith(other, &comparable);
    return comparable && order >= 0;
}

void TextString::TrimLeft() {
    if (text_ == nullptr) return;
    char* start = text_;
    while (*start != '\0' && IsTrimmedSpace(*start)) ++start;
    if (start != text_) std::memmove(text_, start, std::strlen(start) + 1);
}

void TextString::TrimRight() {
    if (text_ == nullptr) return;
    for (int i = GetLength() - 1; i >= 0 && IsTrimmedSpace(text_[i]); --i) text_[i] = '\0';
}

void TextString::Trim() {
    TrimLeft();
    TrimRight();
}

void TextString::MakeUpper() {
    if (text_ == nullptr) return;
    for (char* c = text_; *c != '\0'; ++c) {
        if (*c >= 'a' && *c <= 'z') *c = static_cast<char>(*c - 'a' + 'A');
    }
}

void TextString::MakeLower() {
    if (text_ == nullptr) return;
    for (char* c = text_; *c != '\0'; ++c) {
        if (*c >= 'A' && *c <= 'Z') *c = static_cast<char>(*c - 'A' + 'a');
    }
}

void TextString::Reverse() {
    if (text_ == nullptr) return;
    for (int left = 0, right = GetLength() - 1; left < right; ++left, --right) {
        char kept = text_[left];
        text_[left] = text_[right];
        text_[right] = kept;
    }
}

void TextString::PercentEncode() {
    if (text_ == nullptr) return;
    long encodedLength = 0;
    for (const unsigned char* c = reinterpret_cast<unsigned char*>(text_); *c != 0; ++c) {
        encodedLength += IsKeptByPercentEncoding(*c) ? 1 : 3;
    }
    if (encodedLength >= INT_MAX - kSlack) return;
    TextString encoded;
    if (encodedLength > 0) {
        if (encoded.Reserve(static_cast<int>(encodedLength) + 1) == 0) return;
        char* out = encoded.text_;
        for (const unsigned char* c = reinterpret_cast<unsigned char*>(text_); *c != 0; ++c) {
            if (IsKeptByPercentEncoding(*c)) {
                *out++ = static_cast<char>(*c);
            } else {
                std::snprintf(out, 4, "%%%02X", *c);
                out += 3;
            }
        }
        *out = '\0';
    }
    Adopt(encoded);
}
