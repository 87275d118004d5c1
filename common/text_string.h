// The system's growable text: a heap buffer holding a NUL-terminated byte
// text, with number formatting and a few in-place edits. A new string is
// unassigned (no buffer); growth reserves 40 bytes beyond each request.
// Strings are never copied member by member: a buffer moves between strings
// only through Adopt (or a move).
#ifndef TARNWICK_COMMON_TEXT_STRING_H
#define TARNWICK_COMMON_TEXT_STRING_H

class TextString {
public:
    TextString() = default;
    TextString(TextString&& other) noexcept;
    ~TextString();

    // Guarantees capacity >= bytes, keeping the content; 0 when out of memory.
    int Reserve(int bytes);
    char* GetBuffer() const { return text_; }
    operator const char*() const { return text_; }
    int GetLength() const;
    int GetCapacity() const { return capacity_; }
    // Gives up the buffer without freeing it; returns the old capacity.
    int Detach();
    // Frees its own buffer and takes over other's; other becomes unassigned.
    void Adopt(TextString& other);
    int SetPrecision(int places);
    int GetPrecision() const { return precision_; }

    TextString& Assign(const char* text);
    TextString& Append(const char* text);

    TextString& operator=(const char* text) { return Assign(text); }
    TextString& operator=(unsigned long value);
    TextString& operator=(unsigned int value) { return *this = static_cast<unsigned long>(value); }
    TextString& operator=(unsigned short value) { return *this = static_cast<unsigned long>(value); }
    TextString& operator=(unsigned char value) { return *this = static_cast<unsigned long>(value); }
    TextString& operator=(long value);
    TextString& operator=(int value) { return *this = static_cast<long>(value); }
    TextString& operator=(short value) { return *this = static_cast<long>(value); }
    TextString& operator=(char value);
    TextString& operator=(double value);
    TextString& operator=(float value) { return *this = static_cast<double>(value); }

    TextString& operator+=(const char* text) { return Append(text); }
    TextString& operator+=(unsigned long value);
    TextString& operator+=(unsigned int value) { return *this += static_cast<unsigned long>(value); }
    TextString& operator+=(unsigned short value) { return *this += static_cast<unsigned long>(value); }
    TextString& operator+=(unsigned char value) { return *this += static_cast<unsigned long>(value); }
    TextString& operator+=(long value);
    TextString& operator+=(int value) { return *this += static_cast<long>(value); }
    TextString& operator+=(short value) { return *this += static_cast<long>(value); }
    TextString& operator+=(char value);
    TextString& operator+=(double value);
    TextString& operator+=(float value) { return *this += static_cast<double>(value); }

    // A new string (precision 0) with this text followed by `text`.
    TextString operator+(const char* text) const;

    explicit operator long() const;
    explicit operator int() const { return static_cast<int>(static_cast<long>(*this)); }
    explicit operator unsigned long() const { return static_cast<unsigned long>(static_cast<long>(*this)); }
    explicit operator unsigned int() const { return static_cast<unsigned int>(static_cast<long>(*this)); }
    explicit operator unsigned short() const { return static_cast<unsigned short>(static_cast<long>(*this)); }
    explicit operator unsigned char() const { return static_cast<unsigned char>(static_cast<long>(*this)); }
    explicit operator double() const;
    explicit operator float() const { return static_cast<float>(static_cast<double>(*this)); }

    char FirstChar() const;
    // text[index] within the capacity, otherwise a spare character.
    char& operator[](int index);

    // Comparisons are false whenever either side has no text.
    bool operator==(const char* other) const;
    bool operator!=(const char* other) const;
    bool operator<(const char* other) const;
    bool operator>(const char* other) const;
    bool operator<=(const char* other) const;
    bool operator>=(const char* other) const;
    bool operator==(const TextString& other) const { return *this == other.text_; }
    bool operator!=(const TextString& other) const { return *this != other.text_; }
    bool operator<(const TextString& other) const { return *this < other.text_; }
    bool operator>(const TextString& other) const { return *this > other.text_; }
    bool operator<=(const TextString& other) const { return *this <= other.text_; }
    bool operator>=(const TextString& other) const { return *this >= other.text_; }

    void TrimLeft();
    void TrimRight();
    void Trim();
    void MakeUpper();
    void MakeLower();
    void Reverse();
    // Letters, digits and '-' stay; every other byte becomes %XX.
    void PercentEncode();

private:
    TextString(const TextString&) = delete;
    TextString& operator=(const TextString&) = delete;

    // Writes printf output at `offset` (0 replaces, the length appends).
    template <class Value>
    TextString& FormatAt(int offset, const char* format, Value value);
    TextString& FormatReal(int offset, double value);
    // -2 when either text is null, else <0, 0 or >0 as strcmp on unsigned bytes.
    int CompareWith(const char* other, bool* comparable) const;

    char* text_ = nullptr;
    int capacity_ = 0;
    int precision_ = 0;
    char spare_ = 0;
};

#endif
