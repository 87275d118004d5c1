// TextString: the unassigned state, the +40 growth, number formats,
// comparisons against null, the in-place edits and percent-encoding.
#include <gtest/gtest.h>

#include <cstring>

#include "text_string.h"

namespace {

TEST(TextString, UnassignedStringIsEmptyAndComparesFalse) {
    TextString text;
    EXPECT_EQ(text.GetLength(), 0);
    EXPECT_EQ(text.GetBuffer(), nullptr);
    EXPECT_EQ(text.FirstChar(), 0);
    EXPECT_EQ(static_cast<int>(text), 0);
    EXPECT_EQ(static_cast<double>(text), 0.0);
    EXPECT_FALSE(text == "");
    EXPECT_FALSE(text != "");
    EXPECT_FALSE(text < "a");
    EXPECT_FALSE(text >= "");
    TextString other;
    other = "a";
    EXPECT_FALSE(other == text) << "false when the other side has no text";
    EXPECT_FALSE(other != text);
    EXPECT_FALSE(other == static_cast<const char*>(nullptr));
}

TEST(TextString, GrowsToTheRequestPlusFortyBytes) {
    TextString text;
    text = "";
    EXPECT_NE(text.GetBuffer(), nullptr);
    EXPECT_EQ(text.GetCapacity(), 41);
    EXPECT_TRUE(text == "");

    TextString letters;
    letters += "abc";
    EXPECT_EQ(letters.GetCapacity(), 44);
    EXPECT_EQ(letters.Reserve(10), 1);
    EXPECT_EQ(letters.GetCapacity(), 44);
    EXPECT_EQ(letters.Reserve(100), 1);
    EXPECT_EQ(letters.GetCapacity(), 140);
    EXPECT_STREQ(letters.GetBuffer(), "abc");
}

TEST(TextString, ReserveOnAFreshStringGivesAnEmptyText) {
    TextString text;
    EXPECT_EQ(text.Reserve(512), 1);
    EXPECT_EQ(text.GetCapacity(), 552);
    EXPECT_EQ(text.GetLength(), 0);
}

TEST(TextString, AssignAndAppendIgnoreNullAndEmpty) {
    TextString text;
    text = "keep";
    text.Assign(nullptr);
    EXPECT_STREQ(text, "keep");
    text.Append(nullptr).Append("");
    EXPECT_STREQ(text, "keep");
    EXPECT_EQ(text.GetCapacity(), 45);
    text.Append(" it");
    EXPECT_STREQ(text, "keep it");
}

TEST(TextString, AppendingItsOwnTextSurvivesTheBufferMoving) {
    TextString text;
    text = "0123456789";
    for (int i = 0; i < 5; ++i) text.Append(text.GetBuffer());
    EXPECT_EQ(text.GetLength(), 320);
    EXPECT_EQ(std::strncmp(text.GetBuffer() + 310, "0123456789", 10), 0);
}

TEST(TextString, FormatsNumbers) {
    struct Case {
        const char* expected;
        void (*apply)(TextString&);
    } cases[] = {
        {"65", [](TextString& t) { t = static_cast<unsigned char>(65); }},     // digits, not 'A'
        {"A", [](TextString& t) { t = 'A'; }},                                 // the character itself
        {"", [](TextString& t) { t = '\0'; }},                                 // char 0 is empty
        {"65535", [](TextString& t) { t = static_cast<unsigned short>(65535); }},
        {"-32768", [](TextString& t) { t = static_cast<short>(-32768); }},    // widened with sign
        {"18446744073709551615", [](TextString& t) { t = ~0ul; }},
        {"-5", [](TextString& t) { t = -5l; }},
        {"2.500000", [](TextString& t) { t = 2.5; }},                          // precision 0: six places
        {"0.250000", [](TextString& t) { t = 0.25f; }},
    };
    for (const Case& c : cases) {
        TextString text;
        text = "old";
        c.apply(text);
        EXPECT_STREQ(text, c.expected);
    }
}

TEST(TextString, AppendsNumbersAndHonoursPrecision) {
    TextString text;
    text = "x";
    text += 2.5;
    EXPECT_STREQ(text, "x2.500000");
    text = "";
    EXPECT_EQ(text.SetPrecision(2), 2);
    text += 2.5;
    EXPECT_STREQ(text, "2.50");
    EXPECT_EQ(text.SetPrecision(-3), 0);
    text += static_cast<unsigned char>(65);
    text += 'A';
    text += '\0';
    text += -7l;
    EXPECT_STREQ(text, "2.5065A-7");
}

TEST(TextString, FormatsLongRealsWithoutTruncation) {
    TextString text;
    text = 1e300;
    EXPECT_EQ(text.GetLength(), 301 + 7);
    text.SetPrecision(60);
    text = 1.0;
    EXPECT_EQ(text.GetLength(), 62);
}

TEST(TextString, ReadsNumbers) {
    TextString text;
    text = "  -42xyz";
    EXPECT_EQ(static_cast<int>(text), -42);
    EXPECT_EQ(static_cast<long>(text), -42);
    text = "3.75";
    EXPECT_DOUBLE_EQ(static_cast<double>(text), 3.75);
    text = "abc";
    EXPECT_EQ(static_cast<int>(text), 0);
    text = "";
    EXPECT_EQ(static_cast<int>(text), 0);
}

TEST(TextString, ComparesBytesAsUnsigned) {
    TextString text;
    text = "\xE9";
    EXPECT_TRUE(text > "z");
    EXPECT_TRUE(text >= "\xE9");
    TextString lower;
    lower = "abc";
    EXPECT_TRUE(lower < "abd");
    EXPECT_TRUE(lower <= "abc");
    EXPECT_TRUE(lower != "ABC");
    TextString same;
    same = "abc";
    EXPECT_TRUE(lower == same);
}

TEST(TextString, IndexOutsideTheBufferReachesTheSpareCharacter) {
    TextString text;
    text = "ab";
    text[-1] = 'X';
    text[text.GetCapacity()] = 'Y';
    EXPECT_STREQ(text, "ab");
    EXPECT_EQ(&text[-1], &text[1000]);
    text[0] = 'z';
    EXPECT_STREQ(text, "zb");
    TextString unassigned;
    EXPECT_EQ(unassigned[0], 'Y' - 'Y');
}

TEST(TextString, TrimsCasesAndReverses) {
    TextString text;
    text = " \t\r\n hello world \v\f ";
    text.Trim();
    EXPECT_STREQ(text, "hello world");
    text.MakeUpper();
    EXPECT_STREQ(text, "HELLO WORLD");
    text = "MiXeD\xC9";
    text.MakeLower();
    EXPECT_STREQ(text, "mixed\xC9") << "only A-Z change";
    text = "abc";
    text.Reverse();
    EXPECT_STREQ(text, "cba");
    text = "   ";
    text.Trim();
    EXPECT_STREQ(text, "");
    TextString unassigned;
    unassigned.Trim();
    unassigned.Reverse();
    unassigned.MakeUpper();
    EXPECT_EQ(unassigned.GetBuffer(), nullptr);
}

TEST(TextString, PercentEncodesEverythingButLettersDigitsAndHyphen) {
    TextString text;
    text = "a b-c/1";
    text.PercentEncode();
    EXPECT_STREQ(text, "a%20b-c%2F1");
    text = "\xE9._~";
    text.PercentEncode();
    EXPECT_STREQ(text, "%E9%2E%5F%7E");
    text = "";
    text.PercentEncode();
    EXPECT_EQ(text.GetBuffer(), nullptr) << "an empty text ends unassigned";
}

TEST(TextString, AdoptDetachAndConcatenation) {
    TextString source;
    source = "moved";
    source.SetPrecision(3);
    TextString target;
    target = "old";
    target.Adopt(source);
    EXPECT_STREQ(target, "moved");
    EXPECT_EQ(source.GetBuffer(), nullptr);
    EXPECT_EQ(source.GetCapacity(), 0);
    EXPECT_EQ(source.GetPrecision(), 3);

    TextString joined = target + "!";
    EXPECT_STREQ(joined, "moved!");
    EXPECT_STREQ(target, "moved");

    char* buffer = target.GetBuffer();
    EXPECT_EQ(target.Detach(), 46);
    EXPECT_EQ(target.GetBuffer(), nullptr);
    std::free(buffer);
}

}  // namespace
