// The matrix component: one affine transformation of 3-D space kept as a
// 3 x 4 matrix of doubles, row by row; the fourth row (0 0 0 1) is implied.
// The Set operations write only the entries they name, so a transformation
// is built from the identity and combined with others through Concatenate.
#ifndef TARNWICK_DRAWSP_MATRIX3D_H
#define TARNWICK_DRAWSP_MATRIX3D_H

#include "component.h"
#include "zmatrix3d.h"

class DrawSurface;

class Matrix3D final : public ComponentObject<Matrix3D, ZMatrix3D> {
public:
    // The entries stay unset until SetIdentity; nothing reads them before.
    explicit Matrix3D(ComponentInterface* outer) : ComponentObject(outer) {}

    void TransformInt(int* x, int* y, int* z) override;
    void Transform(double* x, double* y, double* z) override;
    ZMatrix3D* Concatenate(ZMatrix3D* other) override;
    int SetIdentity() override;
    void SetRotationX(double angle) override;
    void SetRotationY(double angle) override;
    void SetRotationZ(double angle) override;
    void SetScale(double sx, double sy, double sz) override;
    void SetShear(double xy, double xz, double yx, double yz, double zx, double zy) override;
    void SetTranslation(double tx, double ty, double tz) override;
    void GetAffine2D(float* m00, float* m01, float* m03, float* m10, float* m11,
                     float* m13) override;

private:
    friend class ComponentObject<Matrix3D, ZMatrix3D>;
    // The surface embeds two scratch matrices and destroys them with itself.
    friend class DrawSurface;
    ~Matrix3D() = default;

    double m_[3][4];
};

#endif
