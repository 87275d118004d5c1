// Objects and their surface: who holds whom, which settings an object takes
// at birth and pushes into the surface when it draws.
#include "drawsp_fixture.h"
#include "library_path.h"

namespace {

using DrawObjectTest = DrawSpTest;

TEST_F(DrawObjectTest, ObjectsHoldTheirSurface) {
    LoadedLibrary* record = loader_.FindLibrary(kLibrary);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->ReferenceCount(), 2u) << "the surface holds the library";

    DrawObject* first = surface_->CreateObject();
    DrawObject* second = surface_->CreateObject();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(record->ReferenceCount(), 4u) << "each object's reference reaches the library through the surface";
    first->AddRef();
    EXPECT_EQ(record->ReferenceCount(), 5u);

    // The host's last surface reference goes first; the objects keep it alive.
    surface_->Release();
    surface_ = nullptr;
    first->SetAttributes(0x0000FF, PS_SOLID, 1, 0, 0, 8);
    first->Draw();  // no DC: nothing to see, but the surface must still be there
    first->Release();
    first->Release();
    second->Release();
    EXPECT_EQ(record->ReferenceCount(), 1u);
}

TEST_F(DrawObjectTest, MatricesFromTheSurfaceStandAlone) {
    LoadedLibrary* record = loader_.FindLibrary(kLibrary);
    ASSERT_NE(record, nullptr);
    const auto before = record->ReferenceCount();
    ZMatrix3D* matrix = surface_->CreateMatrix();
    ASSERT_NE(matrix, nullptr);
    EXPECT_EQ(record->ReferenceCount(), before) << "no outer";
    matrix->SetIdentity();
    matrix->Release();
}

TEST_F(DrawObjectTest, NewObjectsCopyTheSurfaceSettings) {
    DrawObject* plain = surface_->CreateObject();
    EXPECT_EQ(SettingsOf(plain), (Settings{0, 0, 0, 0, 0, 8})) << "a new surface: black, solid, thin, hollow";
    plain->Release();

    surface_->SetAttributes(0x123456, PS_DASHDOT, 6, 0xABCDEF, 1, 42);
    DrawObject* styled = surface_->CreateObject();
    EXPECT_EQ(SettingsOf(styled), (Settings{0x123456, PS_DASHDOT, 6, 0xABCDEF, 1, 42}));
    styled->Release();

    // Stored unchanged, without range checks.
    surface_->SetAttributes(0xFFFFFFFF, -7, -1, 0x7FFFFFFF, -5, -9);
    DrawObject* odd = surface_->CreateObject();
    EXPECT_EQ(SettingsOf(odd), (Settings{0xFFFFFFFF, -7, -1, 0x7FFFFFFF, -5, -9}));
    odd->Release();
}

// What the surface's settings are after an object drew, seen through the
// next object it makes.
Settings SurfaceSettingsAfterDrawing(ZDrawSp* surface, DrawObject* object) {
    surface->SetAttributes(0xEEEEEE, PS_DOT, 9, 0xDDDDDD, 1, 99);
    object->Draw();
    DrawObject* probe = surface->CreateObject();
    Settings settings = SettingsOf(probe);
    probe->Release();
    return settings;
}

TEST_F(DrawObjectTest, DrawPushesTheObjectSettingsEvenWhenNothingIsDrawn) {
    struct Case {
        unsigned int kind;
        int points;
        Settings expected;
    } cases[] = {
        {kKindLine, 2, {0x0000FF, PS_DASH, 3, 0x00FF00, 1, 28}},
        {kKindPolygon, 2, {0x0000FF, PS_DASH, 3, 0x00FF00, 1, 28}},  // too few points, still pushed
        {2, 2, {0x0000FF, PS_DASH, 3, 0x00FF00, 1, 28}},             // a kind that draws nothing
        {kKindTemporaryLine, 2, {0x0000FF, PS_SOLID, 0, 0, 0, 8}},   // fixed: thin, solid, hollow
        {kKindTemporaryLine, 0, {0x0000FF, PS_SOLID, 0, 0, 0, 8}},
    };
    for (const Case& c : cases) {
        DrawObject* object = NewObject(c.kind);
        object->SetAttributes(0x0000FF, PS_DASH, 3, 0x00FF00, 1, 28);
        for (int i = 0; i < c.points; ++i) object->AddPoint(i, i);
        EXPECT_EQ(SurfaceSettingsAfterDrawing(surface_, object), c.expected) << "kind " << c.kind;
        object->Release();
    }
}

TEST_F(DrawObjectTest, SetAttributesLeavesKindAndTagAlone) {
    DrawObject* object = NewObject(kKindRectangle);
    object->AddPoint(1, 2);
    object->AddPoint(3, 4);
    object->SetAttributes(1, 2, 3, 4, 5, 6);
    object->ResetTag();
    EXPECT_EQ(object->GetKind(), kKindRectangle);
    EXPECT_EQ(object->Probe(7, 8), 0);
    EXPECT_EQ(Encoded(object), "6;1;2;3;4;5;0;6;1;2;3;4;");
    object->Release();
}

TEST_F(DrawObjectTest, TagIsReadAndResetToZero) {
    DrawObject* object = Decoded("1;0;0;1;0;0;77;8;1;2;3;4;");
    EXPECT_EQ(Encoded(object), "1;0;0;1;0;0;77;8;1;2;3;4;");
    object->ResetTag();
    EXPECT_EQ(Encoded(object), "1;0;0;1;0;0;0;8;1;2;3;4;");
    object->Release();
}

}  // namespace
