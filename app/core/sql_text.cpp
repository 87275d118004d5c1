#include "sql_text.h"

#include <cstdio>

bool StatementText::Reserve(std::size_t more) {
    if (failed_) return false;
    if (length_ + more + 1 <= capacity_) return true;
    std::size_t capacity = capacity_ < 256 ? 256 : capacity_;
    while (capacity < length_ + more + 1) capacity *= 2;
    char* grown = static_cast<char*>(std::realloc(text_.get(), capacity));
    if (grown == nullptr) {
        failed_ = true;
        return false;
    }
    (void)text_.release();
    text_.reset(grown);
    capacity_ = capacity;
    return true;
}

StatementText& StatementText::Append(const char* text) {
    const std::size_t length = std::strlen(text);
    if (!Reserve(length)) return *this;
    std::memcpy(text_.get() + length_, text, length + 1);
    length_ += length;
    return *this;
}

StatementText& StatementText::AppendNumber(long long value) {
    char digits[24];
    std::snprintf(digits, sizeof(digits), "%lld", value);
    return Append(digits);
}

StatementText& StatementText::AppendQuoted(const char* text) {
    if (text == nullptr) text = "";
    std::size_t quoted = 2;
    for (const char* at = text; *at != '\0'; ++at) quoted += *at == '\'' ? 2 : 1;
    if (!Reserve(quoted)) return *this;
    char* at = text_.get() + length_;
    *at++ = '\'';
    for (const char* from = text; *from != '\0'; ++from) {
        *at++ = *from;
        if (*from == '\'') *at++ = '\'';
    }
    *at++ = '\'';
    *at = '\0';
    length_ += quoted;
    return *this;
}

OwnedText StatementText::Take() {
    if (failed_ || !text_) return nullptr;
    length_ = capacity_ = 0;
    return std::move(text_);
}

OwnedText BuildInsertStatement(int pageNumber, const char* objData, int kind) {
    StatementText sql;
    sql.Append("INSERT INTO Objects VALUES (").AppendNumber(pageNumber).Append(", ").AppendQuoted(objData);
    sql.Append(", ").AppendNumber(kind).Append(")");
    return sql.Take();
}

void AppendInsertReturningRowid(StatementText& sql, int pageNumber, const char* objData, int kind,
                                long long formerRowid) {
    if (formerRowid <= 0) {
        sql.Append("INSERT INTO Objects VALUES (").AppendNumber(pageNumber);
    } else {
        // A NULL rowid makes SQLite pick a new one.
        sql.Append("INSERT INTO Objects (rowid, pageNumber, objData, objType) VALUES (NULLIF(");
        sql.AppendNumber(formerRowid).Append(", (SELECT rowid FROM Objects WHERE rowid = ");
        sql.AppendNumber(formerRowid).Append(")), ").AppendNumber(pageNumber);
    }
    sql.Append(", ").AppendQuoted(objData).Append(", ").AppendNumber(kind).Append(") RETURNING rowid;");
}

void AppendDeleteRow(StatementText& sql, long long rowid, int pageNumber, const char* objData) {
    sql.Append("DELETE FROM Objects WHERE rowid = ").AppendNumber(rowid);
    sql.Append(" AND pageNumber = ").AppendNumber(pageNumber).Append(" AND objData = ");
    sql.AppendQuoted(objData).Append(" RETURNING rowid;");
}
