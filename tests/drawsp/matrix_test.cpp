// The matrix: entry layout and rotation conventions, composition order,
// truncation toward zero, and that the Set operations touch only their own
// entries. Entries are read back through Transform of the unit vectors.
#include <array>
#include <cmath>

#include "drawsp_fixture.h"

namespace {

using Entries = std::array<std::array<double, 4>, 3>;

constexpr double kPi = 3.14159265358979323846;

class MatrixTest : public DrawSpTest {
protected:
    void SetUp() override {
        DrawSpTest::SetUp();
        a_ = Make<ZMatrix3D>("ZMatrix3D");
        b_ = surface_->CreateMatrix();
        ASSERT_NE(a_, nullptr);
        ASSERT_NE(b_, nullptr);
        a_->SetIdentity();
        b_->SetIdentity();
    }
    void TearDown() override {
        if (a_ != nullptr) a_->Release();
        if (b_ != nullptr) b_->Release();
        DrawSpTest::TearDown();
    }

    static std::array<double, 3> Apply(ZMatrix3D* m, double x, double y, double z) {
        m->Transform(&x, &y, &z);
        return {x, y, z};
    }

    // Column 3 is the image of the origin; column c the image of unit c minus it.
    static Entries Read(ZMatrix3D* m) {
        Entries e{};
        const auto origin = Apply(m, 0, 0, 0);
        for (int c = 0; c < 3; ++c) {
            const auto image = Apply(m, c == 0, c == 1, c == 2);
            for (int r = 0; r < 3; ++r) e[r][c] = image[r] - origin[r];
        }
        for (int r = 0; r < 3; ++r) e[r][3] = origin[r];
        return e;
    }

    static void ExpectEntries(ZMatrix3D* m, const Entries& expected) {
        const Entries actual = Read(m);
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 4; ++c) {
                EXPECT_NEAR(actual[r][c], expected[r][c], 1e-12) << "entry m" << r << c;
            }
        }
    }

    static std::array<int, 3> ApplyInt(ZMatrix3D* m, int x, int y, int z) {
        m->TransformInt(&x, &y, &z);
        return {x, y, z};
    }

    ZMatrix3D* a_ = nullptr;
    ZMatrix3D* b_ = nullptr;
};

TEST_F(MatrixTest, IdentityLeavesIntegerPointsAlone) {
    EXPECT_EQ(a_->SetIdentity(), 0);
    const int points[][3] = {{0, 0, 0}, {2159, -2794, 7}, {-1, 1, -1}, {INT32_MAX, INT32_MIN, 5}};
    for (const auto& p : points) {
        EXPECT_EQ(ApplyInt(a_, p[0], p[1], p[2]), (std::array<int, 3>{p[0], p[1], p[2]}));
    }
}

TEST_F(MatrixTest, QuarterTurnAboutAPoint) {
    a_->SetTranslation(-10, -20, 0);
    b_->SetRotationZ(kPi / 2);
    EXPECT_EQ(a_->Concatenate(b_), a_) << "Concatenate returns the matrix itself";
    b_->SetIdentity();
    b_->SetTranslation(10, 20, 0);
    a_->Concatenate(b_);
    const auto image = Apply(a_, 20, 20, 0);
    EXPECT_NEAR(image[0], 10, 1e-12);
    EXPECT_NEAR(image[1], 30, 1e-12);
}

TEST_F(MatrixTest, ConcatenateAppliesTheOldTransformationFirst) {
    // Scale, then translate: (1, 1) -> (2, 2) -> (12, 2). The other order gives (22, 2).
    a_->SetScale(2, 2, 2);
    b_->SetTranslation(10, 0, 0);
    a_->Concatenate(b_);
    const auto image = Apply(a_, 1, 1, 0);
    EXPECT_DOUBLE_EQ(image[0], 12);
    EXPECT_DOUBLE_EQ(image[1], 2);
}

TEST_F(MatrixTest, ConcatenateWithItselfSquares) {
    // Every entry non-zero so a product computed from half-updated entries shows.
    a_->SetShear(0.5, -1, 2, 0.25, -3, 1.5);
    a_->SetScale(2, -1, 3);
    a_->SetTranslation(1, 2, 3);
    const Entries m = Read(a_);
    Entries square{};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            square[r][c] = m[r][0] * m[0][c] + m[r][1] * m[1][c] + m[r][2] * m[2][c] + (c == 3 ? m[r][3] : 0);
        }
    }
    a_->Concatenate(a_);
    ExpectEntries(a_, square);
}

TEST_F(MatrixTest, RotationsTurnCounterClockwiseWithYUp) {
    struct Case {
        void (ZMatrix3D::*rotate)(double);
        std::array<double, 3> in, out;
    } cases[] = {
        {&ZMatrix3D::SetRotationZ, {1, 0, 0}, {0, 1, 0}},   // x axis onto y
        {&ZMatrix3D::SetRotationZ, {0, 1, 0}, {-1, 0, 0}},  // y axis onto -x
        {&ZMatrix3D::SetRotationX, {0, 1, 0}, {0, 0, -1}},  // y' = y cos + z sin, z' = -y sin + z cos
        {&ZMatrix3D::SetRotationX, {0, 0, 1}, {0, 1, 0}},
        {&ZMatrix3D::SetRotationY, {1, 0, 0}, {0, 0, 1}},   // x' = x cos - z sin, z' = x sin + z cos
        {&ZMatrix3D::SetRotationY, {0, 0, 1}, {-1, 0, 0}},
    };
    for (const Case& c : cases) {
        a_->SetIdentity();
        (a_->*c.rotate)(kPi / 2);
        const auto image = Apply(a_, c.in[0], c.in[1], c.in[2]);
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(image[i], c.out[i], 1e-12) << "coordinate " << i;
    }
}

TEST_F(MatrixTest, TransformIntTruncatesTowardZero) {
    // Scale by 0.29 / 0.1 style factors so the exact images land on fractions.
    a_->SetScale(2.9, 2.9, -2.9);
    EXPECT_EQ(ApplyInt(a_, 1, -1, 1), (std::array<int, 3>{2, -2, -2}));
    a_->SetIdentity();
    a_->SetTranslation(0.5, -0.5, 0.999);
    EXPECT_EQ(ApplyInt(a_, 0, 0, -1), (std::array<int, 3>{0, 0, 0}));
}

TEST_F(MatrixTest, SetOperationsWriteOnlyTheirEntries) {
    a_->SetRotationZ(0.3);
    a_->SetTranslation(5, 6, 7);
    a_->SetScale(2, 3, 4);
    const double c = std::cos(0.3), s = std::sin(0.3);
    ExpectEntries(a_, Entries{{{2, -s, 0, 5}, {s, 3, 0, 6}, {0, 0, 4, 7}}});

    // Shear names the output coordinate first, the input feeding it second.
    b_->SetShear(1, 2, 3, 4, 5, 6);
    ExpectEntries(b_, Entries{{{1, 1, 2, 0}, {3, 1, 4, 0}, {5, 6, 1, 0}}});
    (void)c;
}

TEST_F(MatrixTest, Affine2DIsThePlanePart) {
    a_->SetTranslation(5, 6, 7);
    float m[6] = {-9, -9, -9, -9, -9, -9};
    a_->GetAffine2D(&m[0], &m[1], &m[2], &m[3], &m[4], &m[5]);
    EXPECT_EQ((std::array<float, 6>{m[0], m[1], m[2], m[3], m[4], m[5]}),
              (std::array<float, 6>{1, 0, 5, 0, 1, 6}));

    a_->SetIdentity();
    a_->SetShear(0.1, 9, 0.2, 9, 9, 9);  // the z entries must not show
    a_->GetAffine2D(&m[0], &m[1], &m[2], &m[3], &m[4], &m[5]);
    EXPECT_EQ(m[1], 0.1f);
    EXPECT_EQ(m[3], 0.2f);
}

TEST_F(MatrixTest, LibraryAnswersVersionsUpToOneHundred) {
    ZMatrix3D* old = Make<ZMatrix3D>("ZMatrix3D", 0);
    ASSERT_NE(old, nullptr);
    old->Release();
    EXPECT_EQ(Make<ZMatrix3D>("ZMatrix3D", 101), nullptr);
    EXPECT_EQ(Make<ZMatrix3D>("zmatrix3d"), nullptr);
    EXPECT_EQ(Make<ZMatrix3D>("ZVectorCOM"), nullptr) << "only this library's names";
}

}  // namespace
