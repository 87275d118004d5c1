// Runs the program's record in a fresh working folder (the database file is
// "Veldrin.dat" in the working folder) and shuts it down afterwards.
#ifndef TARNWICK_TESTS_APP_APP_FIXTURE_H
#define TARNWICK_TESTS_APP_APP_FIXTURE_H

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "application.h"
#include "temp_folder.h"

// One figure as a tool would finish it.
struct FigureRecipe {
    int kind;
    std::vector<POINT> points;
    const char* text;  // kind 7 only; null for none
    COLORREF colour = 0x0000FF;
    int penStyle = PS_SOLID;
    int penWidth = 10;
    COLORREF fillColour = 0xFFFFFF;
    int fillOn = 0;
    int fontHeight = 28;
};

inline std::string EncodeText(DrawObject* object) {
    int length = 0;
    object->Encode(nullptr, &length);
    std::string text(static_cast<std::size_t>(length), '\0');
    if (object->Encode(text.data(), &length) == 0) return "";
    return text.c_str();
}

class AppTest : public ::testing::Test {
protected:
    Application& app = TheApplication();

    void SetUp() override { ASSERT_EQ(app.Initialize(), 1); }
    void TearDown() override { app.Shutdown(); }

    // Closes everything and starts again on the same file, as a new run.
    void Restart() {
        app.Shutdown();
        ASSERT_EQ(app.Initialize(), 1);
    }

    DrawObject* Make(const FigureRecipe& recipe) {
        DrawObject* object = app.surface->CreateObject();
        object->SetAttributes(recipe.colour, recipe.penStyle, recipe.penWidth, recipe.fillColour,
                              recipe.fillOn, recipe.fontHeight);
        for (const POINT& point : recipe.points) object->AddPoint(point.x, point.y);
        object->SetKind(static_cast<unsigned>(recipe.kind));
        if (recipe.text != nullptr) object->SetText(recipe.text);
        return object;
    }

    // Hands a figure to the host as a finishing tool does; returns its objData.
    std::string Finish(const FigureRecipe& recipe) {
        DrawObject* object = Make(recipe);
        ObjectFinished(object);
        std::string encoded = EncodeText(object);
        object->Release();
        return encoded;
    }

    std::vector<std::string> ListTexts() {
        std::vector<std::string> texts;
        for (auto* object = static_cast<DrawObject*>(app.pageObjects->First()); object != nullptr;
             object = static_cast<DrawObject*>(app.pageObjects->Next())) {
            texts.push_back(EncodeText(object));
        }
        return texts;
    }

    std::vector<int> ListKinds() {
        std::vector<int> kinds;
        for (auto* object = static_cast<DrawObject*>(app.pageObjects->First()); object != nullptr;
             object = static_cast<DrawObject*>(app.pageObjects->Next())) {
            kinds.push_back(object->GetKind());
        }
        return kinds;
    }

    // What the file holds, read with a connection of its own.
    std::vector<std::string> FileColumn(const char* sql) {
        std::vector<std::string> values;
        sqlite3* database = nullptr;
        if (sqlite3_open_v2(kDatabaseFile, &database, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
            sqlite3_exec(database, sql, CollectFirst, &values, nullptr);
        }
        sqlite3_close(database);
        return values;
    }

    TempFolder folder_{true};

private:
    static int CollectFirst(void* context, int, char** texts, char**) {
        static_cast<std::vector<std::string>*>(context)->push_back(texts[0] ? texts[0] : "(null)");
        return 0;
    }
};

#endif
