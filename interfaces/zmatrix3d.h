// ZMatrix3D: one affine transformation of 3-D space as a 3 x 4 matrix of
// doubles (the fourth row 0 0 0 1 is implied). Angles are in radians.
#ifndef TARNWICK_INTERFACES_ZMATRIX3D_H
#define TARNWICK_INTERFACES_ZMATRIX3D_H

#include "component_interface.h"

class ZMatrix3D : public ComponentInterface {
public:
    virtual void TransformInt(int* x, int* y, int* z) = 0;                  // slot 2
    virtual void Transform(double* x, double* y, double* z) = 0;            // slot 3
    virtual ZMatrix3D* Concatenate(ZMatrix3D* other) = 0;                   // slot 4
    virtual int SetIdentity() = 0;                                          // slot 5
    virtual void SetRotationX(double angle) = 0;                            // slot 6
    virtual void SetRotationY(double angle) = 0;                            // slot 7
    virtual void SetRotationZ(double angle) = 0;                            // slot 8
    virtual void SetScale(double sx, double sy, double sz) = 0;             // slot 9
    virtual void SetShear(double xy, double xz, double yx, double yz,
                          double zx, double zy) = 0;                        // slot 10
    virtual void SetTranslation(double tx, double ty, double tz) = 0;       // slot 11
    virtual void GetAffine2D(float* m00, float* m01, float* m03,
                             float* m10, float* m11, float* m13) = 0;       // slot 12
};

#endif
