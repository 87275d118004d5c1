// The page list of an export request, as a table of texts and the pages
// they name, or the fault they have.
#include <gtest/gtest.h>

#include <climits>

#include "page_list.h"

namespace {

struct ListCase {
    const char* text;
    std::vector<int> pages;
};

TEST(PageList, NamesThePagesInTheOrderGiven) {
    const ListCase cases[] = {
        {"1", {1}},
        {"1,3-5", {1, 3, 4, 5}},
        {"5-3", {5, 4, 3}},                                  // a range may run downwards
        {"3,1,3", {3, 1, 3}},                                // order and repeats as given
        {"0", {0}},                                          // pages below 1 exist too
        {"-2", {-2}},
        {"-3--1", {-3, -2, -1}},
        {"-1-1", {-1, 0, 1}},
        {" 2 , 4 - 5 ", {2, 4, 5}},                          // spaces around numbers
        {"2147483647", {INT_MAX}},
        {"-2147483648", {INT_MIN}},
        {"2147483646-2147483647", {INT_MAX - 1, INT_MAX}},  // a range ending at the last page
    };
    for (const ListCase& c : cases) {
        std::vector<int> pages;
        std::string fault;
        EXPECT_TRUE(ParsePageList(c.text, pages, fault)) << c.text << ": " << fault;
        EXPECT_EQ(pages, c.pages) << c.text;
    }
}

TEST(PageList, RefusesWhatIsNotAListAndSaysWhichItem) {
    struct FaultCase {
        const char* text;
        const char* fault;
    } cases[] = {
        {"", "\"\" is not a page number"},
        {",", "\"\" is not a page number"},
        {"1,", "\"\" is not a page number"},
        {"1,x", "\"x\" is not a page number"},
        {"1-", "\"1-\" is not a page number"},
        {"-", "\"-\" is not a page number"},
        {"1-2-3", "\"1-2-3\" is not a page number"},
        {"+1", "\"+1\" is not a page number"},
        {"1.5", "\"1.5\" is not a page number"},
        {"1 2", "\"1 2\" is not a page number"},
        {"2147483648", "\"2147483648\" is not a page number"},  // beyond the page numbers
        {"1-100001", "more than 100000 pages"},
        {"1-60000,1-60000", "more than 100000 pages"},
    };
    for (const FaultCase& c : cases) {
        std::vector<int> pages;
        std::string fault;
        EXPECT_FALSE(ParsePageList(c.text, pages, fault)) << c.text;
        EXPECT_NE(fault.find(c.fault), std::string::npos) << c.text << ": " << fault;
    }
}

}  // namespace
