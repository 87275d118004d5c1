// Loads ZDrawSp.DLL through the loader, as the program does, gives each test
// a surface, and checks at the end that every component made during the test
// was released again (the library's record is then back at one reference).
#ifndef TARNWICK_TESTS_DRAWSP_FIXTURE_H
#define TARNWICK_TESTS_DRAWSP_FIXTURE_H

#include <gtest/gtest.h>

#include <string>

#include "component_loader.h"
#include "draw_object.h"
#include "zdrawsp.h"
#include "zmatrix3d.h"

class DrawSpTest : public ::testing::Test {
protected:
    static constexpr const char* kLibrary = "ZDrawSp.DLL";

    void SetUp() override {
        surface_ = Make<ZDrawSp>("ZDrawSp");
        ASSERT_NE(surface_, nullptr);
    }

    void TearDown() override {
        if (surface_ != nullptr) surface_->Release();
        LoadedLibrary* record = loader_.FindLibrary(kLibrary);
        if (record != nullptr) {
            EXPECT_EQ(record->ReferenceCount(), 1u) << "a component was not released";
        }
        loader_.UnloadAll(0);
    }

    template <class Interface>
    Interface* Make(const char* name, DWORD version = 100) {
        return static_cast<Interface*>(loader_.CreateComponent(kLibrary, name, version));
    }

    // A fresh object from the surface with the given kind.
    DrawObject* NewObject(unsigned int kind) {
        DrawObject* object = surface_->CreateObject();
        if (object != nullptr) object->SetKind(kind);
        return object;
    }

    // A fresh object decoded from objData (copied, since Decode cuts it up).
    DrawObject* Decoded(const std::string& objData) {
        DrawObject* object = surface_->CreateObject();
        if (object == nullptr) return nullptr;
        std::string writable = objData;
        object->Decode(writable.data());
        return object;
    }

    // The objData of an object through the caller's protocol: ask for the
    // length, then encode into exactly that many bytes. Empty when nothing
    // was written.
    static std::string Encoded(DrawObject* object, int* reported = nullptr) {
        int length = 0;
        object->Encode(nullptr, &length);
        if (reported != nullptr) *reported = length;
        if (length <= 0) return "";
        std::string buffer(length, '\x7f');
        if (object->Encode(buffer.data(), &length) == 0) return "";
        return std::string(buffer.c_str());
    }

    ComponentLoader loader_;
    ZDrawSp* surface_ = nullptr;
};

// The six settings of an object, in their usual order.
struct Settings {
    COLORREF colour = 0;
    int penStyle = 0;
    int penWidth = 0;
    COLORREF fillColour = 0;
    int fillOn = 0;
    int fontHeight = 0;

    bool operator==(const Settings&) const = default;
};

inline Settings SettingsOf(DrawObject* object) {
    Settings s;
    object->GetAttributes(&s.colour, &s.penStyle, &s.penWidth, &s.fillColour, &s.fillOn, &s.fontHeight);
    return s;
}

inline std::ostream& operator<<(std::ostream& out, const Settings& s) {
    return out << "{" << s.colour << ", " << s.penStyle << ", " << s.penWidth << ", " << s.fillColour
               << ", " << s.fillOn << ", " << s.fontHeight << "}";
}

#endif
