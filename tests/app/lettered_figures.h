// The record over a fresh folder, with figures named by letters: each
// letter is a line whose ends spell it (T is a temporary line), so the page
// on screen and the rows in the file read as words in drawing order.
#ifndef TARNWICK_TESTS_APP_LETTERED_FIGURES_H
#define TARNWICK_TESTS_APP_LETTERED_FIGURES_H

#include <map>
#include <string>
#include <vector>

#include "app_fixture.h"

class LetteredFiguresTest : public AppTest {
protected:
    std::string Draw(char name) {
        const int n = name;
        const std::string text = Finish({name == 'T' ? 8 : 1, {{n, -n}, {n + 100, -n}}, nullptr});
        names_[text] = name;
        return text;
    }

    // The page on screen as the letters of its figures, in drawing order.
    std::string Screen() { return Letters(ListTexts()); }
    std::string Stored(int page) {
        return Letters(FileColumn(("SELECT objData FROM Objects WHERE pageNumber = " + std::to_string(page) +
                                   " ORDER BY rowid").c_str()));
    }
    std::vector<std::string> Rowids() { return FileColumn("SELECT rowid FROM Objects ORDER BY rowid"); }

    std::string Letters(const std::vector<std::string>& texts) {
        std::string letters;
        for (const std::string& text : texts) letters += names_.count(text) ? names_[text] : '?';
        return letters;
    }

    void RunSqlElsewhere(const char* sql) {
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open(kDatabaseFile, &other), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(other, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
        sqlite3_close(other);
    }

private:
    std::map<std::string, char> names_;
};

#endif
