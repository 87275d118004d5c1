#include "sql_text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char kInsertHead[] = "INSERT INTO Objects VALUES (";

// Longest "%d" of a 32-bit int: "-2147483648".
constexpr std::size_t kIntDigits = 11;

std::size_t QuotedLength(const char* text) {
    std::size_t length = 0;
    for (const char* at = text; *at != '\0'; ++at) length += *at == '\'' ? 2 : 1;
    return length;
}

char* AppendQuoted(char* at, const char* text) {
    for (const char* from = text; *from != '\0'; ++from) {
        *at++ = *from;
        if (*from == '\'') *at++ = '\'';
    }
    return at;
}

}  // namespace

char* BuildInsertStatement(int pageNumber, const char* objData, int kind) {
    if (objData == nullptr) objData = "";
    // head, page, ", '", text, "', ", kind, ")", NUL
    std::size_t size = sizeof(kInsertHead) + kIntDigits + 3 + QuotedLength(objData) + 3 +
                       kIntDigits + 2;
    char* statement = static_cast<char*>(std::malloc(size));
    if (statement == nullptr) return nullptr;
    char* at = statement;
    at += std::snprintf(at, size, "%s%d, '", kInsertHead, pageNumber);
    at = AppendQuoted(at, objData);
    std::snprintf(at, size - static_cast<std::size_t>(at - statement), "', %d)", kind);
    return statement;
}
