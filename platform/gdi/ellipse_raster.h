// The pixels of an aliased ellipse with a one-pixel outline, row by row.
//
// The ellipse runs through the centres of the outermost pixels of its box
// [left, right) x [top, bottom), so it touches all four sides and never
// leaves the box. A pixel belongs to the figure when the curve passes within
// half a pixel of it towards the centre (the midpoint rule, taken both along
// rows and along columns), so rows and columns are never empty and the shape
// is symmetric about both axes. The outline is every figure pixel with a
// 4-neighbour outside the figure: 8-connected, one pixel thin, and disjoint
// from the interior, so each pixel is painted once.
#ifndef TARNWICK_PLATFORM_ELLIPSE_RASTER_H
#define TARNWICK_PLATFORM_ELLIPSE_RASTER_H

namespace tarnwick::gdi {

// One row of the figure; all bounds inclusive. The outline takes the row's
// pixels outside the interior span, which is empty when interiorLeft >
// interiorRight (then the whole row is outline).
struct EllipseRow {
    int left, right;
    int interiorLeft, interiorRight;

    bool HasInterior() const { return interiorLeft <= interiorRight; }
};

class EllipseRaster {
public:
    // A box of at least one pixel; right and bottom are exclusive. Sizes up
    // to the device coordinate range (28 bits) are computed exactly.
    EllipseRaster(int left, int top, int right, int bottom);

    // The row y, for top <= y < bottom. Rows of ellipses up to
    // 2 * kKeptInsets pixels high are worked out once, whatever the order
    // they are asked for in.
    EllipseRow Row(int y);

private:
    static constexpr int kKeptInsets = 1024;

    // Pixels between the box's left side and the row's first pixel; -1 for
    // rows outside the box. A row and its mirror image below the middle
    // share it.
    int Inset(int y);
    int WorkOutInset(long long v) const;

    int left_, top_, right_, bottom_;
    long long diameterX_, diameterY_;  // between outermost pixel centres
    // By half the doubled height above or below the middle (v / 2): -2 for
    // none yet.
    int keptInsets_[kKeptInsets];
    int keptCount_;
};

}  // namespace tarnwick::gdi

#endif
