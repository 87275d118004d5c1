// Decode must take any text: random bytes, and valid records mutated by
// cutting, inserting and replacing characters. Whatever it makes must
// encode within the length it reports (a guard region behind the buffer
// catches any byte beyond), and what it encodes must read back the same.
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "drawsp_fixture.h"

namespace {

class ObjDataFuzzTest : public DrawSpTest {
protected:
    static constexpr int kGuardBytes = 64;
    static constexpr unsigned char kGuard = 0xA5;

    // Encodes through the caller's protocol into a buffer followed by a
    // guard region; returns the text, or "" when nothing was written.
    std::string EncodeGuarded(DrawObject* object, const std::string& source) {
        int length = 0;
        EXPECT_EQ(object->Encode(nullptr, &length), 0);
        EXPECT_GT(length, 0) << source;
        if (length <= 0) return "";
        std::vector<unsigned char> buffer(length + kGuardBytes, kGuard);
        const int reported = length;
        const int written = object->Encode(reinterpret_cast<char*>(buffer.data()), &length);
        EXPECT_EQ(length, reported);
        for (int i = reported; i < reported + kGuardBytes; ++i) {
            if (buffer[i] != kGuard) {
                ADD_FAILURE() << "byte " << i << " written beyond the reported " << reported << " for ["
                              << source << "]";
                break;
            }
        }
        if (written == 0) return "";
        const void* end = std::memchr(buffer.data(), '\0', reported);
        EXPECT_NE(end, nullptr) << "no NUL within the reported length for [" << source << "]";
        return end == nullptr ? "" : std::string(reinterpret_cast<char*>(buffer.data()));
    }

    void Check(const std::string& record) {
        DrawObject* object = Decoded(record);
        ASSERT_NE(object, nullptr);
        const std::string encoded = EncodeGuarded(object, record);
        object->Release();
        if (encoded.empty()) return;
        DrawObject* again = Decoded(encoded);
        EXPECT_EQ(EncodeGuarded(again, encoded), encoded) << "from [" << record << "]";
        again->Release();
    }

    std::mt19937 random_{20240611};

    int Below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

    char RandomCharacter() {
        static const char kLikely[] = "0123456789;;;;--+ \tabcZ";
        if (Below(8) == 0) return static_cast<char>(1 + Below(255));  // any byte but NUL
        return kLikely[Below(sizeof(kLikely) - 1)];
    }

    std::string RandomRecord() {
        std::string record;
        const int length = Below(80);
        for (int i = 0; i < length; ++i) record += RandomCharacter();
        return record;
    }

    std::string RandomNumber() {
        switch (Below(4)) {
            case 0: return std::to_string(Below(10));
            case 1: return std::to_string(static_cast<int>(random_()));
            case 2: return std::to_string((static_cast<unsigned long long>(random_()) << 32) + random_());  // beyond 32 bits
            default: return "-" + std::to_string(Below(3000));
        }
    }

    // A well-formed record of a random kind with random values.
    std::string ValidRecord() {
        static const int kKinds[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 98, 0, -1};
        std::string record = std::to_string(kKinds[Below(sizeof(kKinds) / sizeof(int))]) + ";";
        for (int i = 0; i < 7; ++i) record += RandomNumber() + ";";
        const int points = Below(6);
        for (int i = 0; i < 2 * points; ++i) record += RandomNumber() + ";";
        if (Below(3) == 0) record += RandomRecord() + ";";
        return record;
    }

    std::string Mutated(std::string record) {
        const int edits = 1 + Below(4);
        for (int i = 0; i < edits && !record.empty(); ++i) {
            const int at = Below(static_cast<int>(record.size()));
            switch (Below(4)) {
                case 0: record.resize(at); break;                   // cut short
                case 1: record.insert(record.begin() + at, RandomCharacter()); break;
                case 2: record[at] = RandomCharacter(); break;
                default: record.insert(at, ";;"); break;            // empty fields
            }
        }
        return record;
    }
};

TEST_F(ObjDataFuzzTest, RandomRecords) {
    for (int i = 0; i < 6000; ++i) Check(RandomRecord());
}

TEST_F(ObjDataFuzzTest, MutatedRecords) {
    for (int i = 0; i < 6000; ++i) Check(Mutated(ValidRecord()));
}

TEST_F(ObjDataFuzzTest, WellFormedRecords) {
    for (int i = 0; i < 3000; ++i) Check(ValidRecord());
}

}  // namespace
