// The objData text: the stored examples, how Decode reads damaged records,
// the kind rule, a text that itself holds ";", and the length Encode asks
// for when values are far larger than any page produces.
#include <climits>
#include <string>

#include "drawsp_fixture.h"

namespace {

using ObjDataTest = DrawSpTest;

// Releases an object at the end of a scope.
struct Held {
    DrawObject* object;
    ~Held() {
        if (object != nullptr) object->Release();
    }
    DrawObject* operator->() const { return object; }
    operator DrawObject*() const { return object; }
};

TEST_F(ObjDataTest, StoredExamplesEncodeWithTheirCustomaryLengths) {
    Held line{NewObject(kKindLine)};
    line->SetAttributes(255, PS_SOLID, 10, 0, 0, 28);
    line->AddPoint(120, -340);
    line->AddPoint(560, -780);
    int length = 0;
    EXPECT_EQ(Encoded(line, &length), "1;255;0;10;0;0;0;28;120;-340;560;-780;");
    EXPECT_EQ(length, 80);

    Held memo{NewObject(kKindText)};
    memo->SetAttributes(0, PS_SOLID, 10, 0, 0, 42);
    memo->AddPoint(200, -150);
    memo->SetText("Memo");
    EXPECT_EQ(Encoded(memo, &length), "7;0;0;10;0;0;0;42;200;-150;Memo;");
    EXPECT_EQ(length, 64);

    Held ellipse{NewObject(kKindEllipse)};
    ellipse->SetAttributes(0, PS_SOLID, 10, 0xFFFFFF, 1, 28);
    ellipse->AddPoint(300, -300);
    ellipse->AddPoint(80, -40);
    EXPECT_EQ(Encoded(ellipse), "4;0;0;10;16777215;1;0;28;300;-300;80;-40;");

    Held twoLetters{NewObject(kKindText)};
    twoLetters->AddPoint(1, 2);
    twoLetters->SetText("ab");
    Encoded(twoLetters, &length);
    EXPECT_EQ(length, 62);
}

TEST_F(ObjDataTest, EncodeRefusesShortBuffersAndObjectsWithoutPoints) {
    Held line{NewObject(kKindLine)};
    line->AddPoint(1, 2);
    line->AddPoint(3, 4);
    char buffer[80] = "untouched";
    int length = 60;
    EXPECT_EQ(line->Encode(buffer, &length), 0);
    EXPECT_EQ(length, 80) << "the needed length is reported";
    EXPECT_STREQ(buffer, "untouched");
    EXPECT_EQ(line->Encode(buffer, &length), 1);
    EXPECT_EQ(length, 80) << "a successful encode leaves the length alone";

    Held empty{NewObject(kKindLine)};
    length = 80;
    EXPECT_EQ(empty->Encode(buffer, &length), 0);
    EXPECT_EQ(length, 80);
    EXPECT_STREQ(buffer, "1;0;0;0;0;0;0;8;1;2;3;4;") << "nothing written for an object without points";
}

TEST_F(ObjDataTest, WhatEachKindEncodesAfterTheHeader) {
    struct Case {
        unsigned int kind;
        const char* expected;
    } cases[] = {
        {2, "2;0;0;0;0;0;0;8;1;2;3;4;5;6;"},   // drawn as nothing, points kept
        {5, "5;0;0;0;0;0;0;8;1;2;3;4;5;6;"},
        {3, "3;0;0;0;0;0;0;8;1;2;3;4;5;6;"},
        {7, "7;0;0;0;0;0;0;8;1;2;;"},          // anchor only; no text set
        {9, "9;0;0;0;0;0;0;8;"},               // header alone
        {98, "98;0;0;0;0;0;0;8;"},
    };
    for (const Case& c : cases) {
        Held object{NewObject(c.kind)};
        object->AddPoint(1, 2);
        object->AddPoint(3, 4);
        object->AddPoint(5, 6);
        EXPECT_EQ(Encoded(object), c.expected) << "kind " << c.kind;
    }
}

TEST_F(ObjDataTest, SetKindKeepsOneToNinetyEight) {
    struct Case {
        unsigned int given;
        int stored;
    } cases[] = {
        {0, 1}, {1, 1}, {7, 7}, {98, 98}, {99, 1}, {1000, 1},
        {static_cast<unsigned int>(-1), 1},  // negative values read unsigned
        {static_cast<unsigned int>(INT_MIN), 1},
    };
    for (const Case& c : cases) {
        Held object{NewObject(c.given)};
        EXPECT_EQ(object->GetKind(), c.stored) << "SetKind(" << c.given << ")";
    }
}

TEST_F(ObjDataTest, DecodeReadsDamagedRecordsAsFarAsTheyGo) {
    struct Case {
        const char* objData;
        const char* reencoded;  // after decoding into a fresh black object
    } cases[] = {
        // Header cut short: the fields read are set; font height stays the surface's 8.
        {"1;255;0;1", ""},
        // A dangling x is dropped.
        {"1;0;0;1;0;0;0;8;10;20;30", "1;0;0;1;0;0;0;8;10;20;"},
        // Empty fields vanish, so the header is read from the next non-empty field.
        {"1;;0;0;1;0;0;0;8;1;2;3;4;", "1;0;0;1;0;0;0;8;1;2;3;4;"},
        {";;;1;0;0;1;0;0;0;8;;;1;;2;", "1;0;0;1;0;0;0;8;1;2;"},
        // Non-numeric fields read as 0, numbers stop at the first other character.
        {"1;x;0;1;0;0;0;8; 7;-3z;", "1;0;0;1;0;0;0;8;7;-3;"},
        // Kinds without points ignore the rest; the kind is kept as read.
        {"42;0;0;1;0;0;0;8;1;2;", ""},
        {"0;0;0;1;0;0;0;8;1;2;", ""},
        // An anchor without its y gives no point and no text.
        {"7;0;0;1;0;0;0;8;5", ""},
    };
    for (const Case& c : cases) {
        Held object{Decoded(c.objData)};
        EXPECT_EQ(Encoded(object), c.reencoded) << c.objData;
    }

    Held cut{Decoded("1;255;0;1")};
    EXPECT_EQ(cut->GetKind(), 1);
    EXPECT_EQ(SettingsOf(cut), (Settings{255, 0, 1, 0, 0, 8}));

    Held unusual{Decoded("42;0;0;1;0;0;0;8;1;2;")};
    EXPECT_EQ(unusual->GetKind(), 42);
    Held zero{Decoded("0;0;0;1;0;0;0;8;1;2;")};
    EXPECT_EQ(zero->GetKind(), 0) << "Decode does not apply the SetKind rule";
}

TEST_F(ObjDataTest, DecodeAddsToExistingPoints) {
    Held line{NewObject(kKindLine)};
    line->AddPoint(9, 9);
    std::string record = "1;0;0;1;0;0;0;8;1;2;";
    line->Decode(record.data());
    EXPECT_EQ(Encoded(line), "1;0;0;1;0;0;0;8;9;9;1;2;");
}

TEST_F(ObjDataTest, TextRecords) {
    struct Case {
        const char* objData;
        const char* reencoded;
    } cases[] = {
        {"7;0;0;10;0;0;0;42;200;-150;Memo;", "7;0;0;10;0;0;0;42;200;-150;Memo;"},
        // No text: stored as one space.
        {"7;0;0;1;0;0;0;8;5;6;;", "7;0;0;1;0;0;0;8;5;6; ;"},
        {"7;0;0;1;0;0;0;8;5;6;", "7;0;0;1;0;0;0;8;5;6; ;"},
        {"7;0;0;1;0;0;0;8;5;6", "7;0;0;1;0;0;0;8;5;6; ;"},
        // A record without its final ";" takes the whole rest.
        {"7;0;0;1;0;0;0;8;5;6;Memo", "7;0;0;1;0;0;0;8;5;6;Memo;"},
        // A text holding ";" comes back whole.
        {"7;0;0;1;0;0;0;8;5;6;a;b;", "7;0;0;1;0;0;0;8;5;6;a;b;"},
        {"7;0;0;1;0;0;0;8;5;6;;x;;", "7;0;0;1;0;0;0;8;5;6;;x;;"},
        // Spaces and signs in a text are text, not numbers.
        {"7;0;0;1;0;0;0;8;5;6; -12 ;", "7;0;0;1;0;0;0;8;5;6; -12 ;"},
    };
    for (const Case& c : cases) {
        Held object{Decoded(c.objData)};
        EXPECT_EQ(Encoded(object), c.reencoded) << c.objData;
    }
}

TEST_F(ObjDataTest, TextsWithSeparatorsSurviveEncodeThenDecode) {
    const char* texts[] = {"a;b", ";", ";;", ";lead", "trail;", "x;;y", "semi;colons;everywhere;", " "};
    for (const char* text : texts) {
        Held original{NewObject(kKindText)};
        original->AddPoint(-5, 7);
        original->SetText(text);
        const std::string objData = Encoded(original);
        Held copy{Decoded(objData)};
        EXPECT_EQ(Encoded(copy), objData) << "text [" << text << "]";
    }
}

TEST_F(ObjDataTest, LengthCoversExtremeValues) {
    // Every value at its widest: 11 characters each, more than 40 + 20 per point allow.
    Held line{NewObject(kKindLine)};
    line->SetAttributes(0x80000000u, INT_MIN, INT_MIN, 0x80000000u, INT_MIN, INT_MIN);
    for (int i = 0; i < 5; ++i) line->AddPoint(INT_MIN, INT_MIN);
    std::string expected = "1;";
    for (int i = 0; i < 5; ++i) expected += "-2147483648;";
    expected += "0;";  // the tag
    for (int i = 0; i < 11; ++i) expected += "-2147483648;";
    int length = 0;
    EXPECT_EQ(Encoded(line, &length), expected);
    EXPECT_GE(length, static_cast<int>(expected.size()) + 1);

    Held text{NewObject(kKindText)};
    text->SetAttributes(0x80000000u, INT_MIN, INT_MIN, 0x80000000u, INT_MIN, INT_MIN);
    text->AddPoint(INT_MIN, INT_MIN);
    text->SetText("wide");
    const std::string encoded = Encoded(text, &length);
    EXPECT_EQ(encoded.substr(encoded.size() - 6), ";wide;");
    EXPECT_GE(length, static_cast<int>(encoded.size()) + 1);
}

TEST_F(ObjDataTest, ExtremeValuesReadBack) {
    Held object{Decoded("1;-1;2147483647;-2147483648;4294967295;1;0;8;99999999999;-99999999999999999999999;")};
    EXPECT_EQ(SettingsOf(object), (Settings{0xFFFFFFFFu, INT_MAX, INT_MIN, 0xFFFFFFFFu, 1, 8}))
        << "an unsigned-printed colour reads back as the same 32 bits";
    const std::string again = Encoded(object);
    EXPECT_EQ(again.substr(0, 17), "1;-1;2147483647;-");
}

}  // namespace
