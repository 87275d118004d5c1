// The pages an export request names, as "1,3-5": numbers and ranges split
// by commas, in the order given. Page numbers are the program's own, 0 and
// negative ones included ("-2", "-3--1"); a range may run downwards ("5-3"
// is 5, 4, 3). Spaces around numbers are allowed.
#ifndef TARNWICK_APP_EXPORT_PAGE_LIST_H
#define TARNWICK_APP_EXPORT_PAGE_LIST_H

#include <string>
#include <vector>

// A list naming more pages than this is refused rather than written.
inline constexpr long kMostListedPages = 100000;

// The pages of `text` in order; false, with what is wrong in `fault`, when
// the text is not such a list or names too many pages.
bool ParsePageList(const char* text, std::vector<int>& pages, std::string& fault);

#endif
