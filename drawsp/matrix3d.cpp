#include "matrix3d.h"

#include <cmath>
#include <cstring>

namespace {

// Converts a transformed coordinate back to an integer the way a C cast
// does (toward zero), but keeps out-of-range and NaN values defined.
int TruncateToInt(double value) {
    if (!(value > -2147483649.0)) return value != value ? 0 : -2147483647 - 1;
    if (value >= 2147483648.0) return 2147483647;
    return static_cast<int>(value);
}

}  // namespace

void Matrix3D::TransformInt(int* x, int* y, int* z) {
    double dx = *x, dy = *y, dz = *z;
    // Through the interface table, so a derived transformation would apply.
    static_cast<ZMatrix3D*>(this)->Transform(&dx, &dy, &dz);
    *x = TruncateToInt(dx);
    *y = TruncateToInt(dy);
    *z = TruncateToInt(dz);
}

void Matrix3D::Transform(double* x, double* y, double* z) {
    const double ox = *x, oy = *y, oz = *z;
    *x = m_[0][0] * ox + m_[0][1] * oy + m_[0][2] * oz + m_[0][3];
    *y = m_[1][0] * ox + m_[1][1] * oy + m_[1][2] * oz + m_[1][3];
    *z = m_[2][0] * ox + m_[2][1] * oy + m_[2][2] * oz + m_[2][3];
}

// this <- other . this: the old transformation applies first, other after it.
// Every new entry is computed before any is stored, so other may be this.
ZMatrix3D* Matrix3D::Concatenate(ZMatrix3D* other) {
    if (other == nullptr) return this;
    const double(&a)[3][4] = m_;
    const double(&b)[3][4] = static_cast<Matrix3D*>(other)->m_;
    double product[3][4];
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) {
            product[r][c] = b[r][0] * a[0][c] + b[r][1] * a[1][c] + b[r][2] * a[2][c];
        }
        product[r][3] += b[r][3];
    }
    std::memcpy(m_, product, sizeof(m_));
    return this;
}

int Matrix3D::SetIdentity() {
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 4; ++c) m_[r][c] = r == c ? 1.0 : 0.0;
    }
    return 0;
}

void Matrix3D::SetRotationX(double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    m_[1][1] = c;
    m_[2][2] = c;
    m_[1][2] = s;
    m_[2][1] = -s;
}

void Matrix3D::SetRotationY(double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    m_[0][0] = c;
    m_[2][2] = c;
    m_[2][0] = s;
    m_[0][2] = -s;
}

void Matrix3D::SetRotationZ(double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    m_[0][0] = c;
    m_[1][1] = c;
    m_[1][0] = s;
    m_[0][1] = -s;
}

void Matrix3D::SetScale(double sx, double sy, double sz) {
    m_[0][0] = sx;
    m_[1][1] = sy;
    m_[2][2] = sz;
}

// The first letter names the output coordinate, the second the input feeding it.
void Matrix3D::SetShear(double xy, double xz, double yx, double yz, double zx, double zy) {
    m_[0][1] = xy;
    m_[0][2] = xz;
    m_[1][0] = yx;
    m_[1][2] = yz;
    m_[2][0] = zx;
    m_[2][1] = zy;
}

void Matrix3D::SetTranslation(double tx, double ty, double tz) {
    m_[0][3] = tx;
    m_[1][3] = ty;
    m_[2][3] = tz;
}

void Matrix3D::GetAffine2D(float* m00, float* m01, float* m03, float* m10, float* m11,
                           float* m13) {
    *m00 = static_cast<float>(m_[0][0]);
    *m01 = static_cast<float>(m_[0][1]);
    *m03 = static_cast<float>(m_[0][3]);
    *m10 = static_cast<float>(m_[1][0]);
    *m11 = static_cast<float>(m_[1][1]);
    *m13 = static_cast<float>(m_[1][3]);
}
