// Splits a writable text into ";"-separated fields in place, by strtok's
// rules: runs of separators count as one and leading ones are skipped, so
// empty fields vanish; each field's separator is overwritten with NUL.
// Unlike strtok it keeps its position in the object, so readers can nest.
#ifndef TARNWICK_COMMON_FIELD_READER_H
#define TARNWICK_COMMON_FIELD_READER_H

class FieldReader {
public:
    explicit FieldReader(char* text) : next_(text) {}

    // The next non-empty field, or null when none is left.
    char* Next();
    // Everything after the separator that ended the last field read.
    char* Rest() const { return next_; }

    // A field read as atoi reads it on this platform: leading white space,
    // an optional sign, decimal digits up to the first other character (no
    // digits give 0). A value beyond 64 bits saturates, and the result keeps
    // its low 32 bits, so an unsigned-printed colour reads back unchanged.
    static int Value(const char* field);

private:
    char* next_;
};

// The same fields read without cutting the text: a field runs up to the
// next ";" or the end, which FieldReader::Value stops at all the same.
class FieldWalker {
public:
    explicit FieldWalker(const char* text) : next_(text) {}

    // The start of the next non-empty field, or null when none is left.
    const char* Next();
    // Everything after the separator that ended the last field read.
    const char* Rest() const { return next_; }

private:
    const char* next_;
};

#endif
