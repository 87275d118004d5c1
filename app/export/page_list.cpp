#include "page_list.h"

#include <cctype>
#include <climits>
#include <cstdlib>

namespace {

void SkipSpaces(const char*& at) {
    while (*at == ' ') ++at;
}

// An optional minus and decimal digits, within int; `at` moves past it.
bool ReadNumber(const char*& at, int& number) {
    const char* digits = at[0] == '-' ? at + 1 : at;
    if (!std::isdigit(static_cast<unsigned char>(*digits))) return false;
    char* end = nullptr;
    const long long value = std::strtoll(at, &end, 10);
    if (value < INT_MIN || value > INT_MAX) return false;
    number = static_cast<int>(value);
    at = end;
    return true;
}

// One item: a number, or two joined by a minus.
bool ReadItem(const char*& at, int& first, int& last) {
    SkipSpaces(at);
    if (!ReadNumber(at, first)) return false;
    SkipSpaces(at);
    last = first;
    if (*at == '-') {
        ++at;
        SkipSpaces(at);
        if (!ReadNumber(at, last)) return false;
        SkipSpaces(at);
    }
    return *at == ',' || *at == '\0';
}

// The text of the item that starts at `at`, for the message.
std::string ItemAt(const char* at) {
    std::string item;
    while (*at != '\0' && *at != ',') item += *at++;
    return "\"" + item + "\"";
}

}  // namespace

bool ParsePageList(const char* text, std::vector<int>& pages, std::string& fault) {
    pages.clear();
    const char* at = text != nullptr ? text : "";
    for (;;) {
        const char* itemStart = at;
        int first = 0, last = 0;
        if (!ReadItem(at, first, last)) {
            fault = ItemAt(itemStart) + " is not a page number or a range of pages (write them like 1,3-5)";
            return false;
        }
        const long long count = std::llabs(static_cast<long long>(last) - first) + 1;
        if (static_cast<long long>(pages.size()) + count > kMostListedPages) {
            fault = "the list names more than " + std::to_string(kMostListedPages) + " pages";
            return false;
        }
        const int step = first <= last ? 1 : -1;
        for (long long page = first;; page += step) {
            pages.push_back(static_cast<int>(page));
            if (page == last) break;
        }
        if (*at == '\0') return true;
        ++at;  // the comma
    }
}
