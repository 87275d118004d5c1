// The page as the canvas shows it (the sheet with its ruling and margin,
// the grey below it, and the page's figures) kept as pixels of the
// canvas's size, so that a paint copies them and draws only the shape under
// way, however many figures the page holds.
//
// A finished figure is drawn onto the layer alone, on the DC the layer was
// built with, in the state a whole paint leaves it in before each figure
// (every figure saves and restores the DC around its drawing). Anything
// else that changes the page builds the layer anew, once: a page shown or
// deleted, an undo or redo, another size, and another scroll position,
// since the mapping rounds each position on its own and moving pixels
// would not give the pixels a paint at the new position gives.
#ifndef TARNWICK_APP_UI_PAGE_LAYER_H
#define TARNWICK_APP_UI_PAGE_LAYER_H

#include "draw_object.h"
#include "windows.h"

class PageLayer {
public:
    // Copies the page onto the canvas's DC (prepared by PrepareDC), building
    // the layer first when it is not the page at this size and position.
    void Show(HWND canvas, HDC canvasDc);
    // What lies under the figures changed: the next paint builds anew.
    void Invalidate() { valid_ = false; }
    // A figure joined the top of the page: drawn onto the layer, and the
    // canvas asked to show it.
    void AddFigure(HWND canvas, DrawObject* figure);
    // The canvas goes: its DC and pixels are freed.
    void Release();

    // How many times the layer was built, and whether it holds the page
    // as the canvas would show it now: for tests.
    int Builds() const { return builds_; }
    bool IsCurrent(HWND canvas) const { return valid_ && Fits(canvas); }

private:
    bool Fits(HWND canvas) const;
    bool Make(HDC canvasDc, int width, int height);
    bool Build(HWND canvas, HDC canvasDc);

    HWND canvas_ = nullptr;  // the canvas the layer was built for
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ firstBitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int originY_ = 0;
    bool valid_ = false;
    int builds_ = 0;
};

// The layer of the program's canvas.
PageLayer& CanvasLayer();

#endif
