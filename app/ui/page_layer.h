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
//
// So that Home and End need not wait for a build, the layer also keeps the
// page at the next scroll position in the direction of the last scroll,
// built while the program has nothing else to do and patched with every
// finished figure like the shown one; a scroll to it only swaps the two.
// It is prepared only once the page is being scrolled (a scroll since the
// layer was last built anew), so flipping through pages or undoing step
// after step never waits for a position nobody asked for.
// It is kept only while both together take no more memory than the whole
// page at the canvas's width would, and at most kMostAheadBytes.
//
// Before a finished figure is drawn onto the shown layer, the pixels its
// box covers are kept, newest last, so that undoing the figures just drawn
// puts those pixels back instead of building the page anew (the layer kept
// ahead is then prepared again). What is kept stays within an eighth of the
// layer's own pixels and kMostKeptUnder pieces; the oldest go first, and a
// figure whose pixels cannot be kept leaves nothing kept. The memory rule
// of the layer kept ahead counts that eighth too.
#ifndef TARNWICK_APP_UI_PAGE_LAYER_H
#define TARNWICK_APP_UI_PAGE_LAYER_H

#include <vector>

#include "draw_object.h"
#include "windows.h"

class PageLayer {
public:
    static constexpr long long kMostAheadBytes = 64LL << 20;
    static constexpr std::size_t kMostKeptUnder = 64;

    // Copies the page onto the canvas's DC (prepared by PrepareDC), building
    // the layer first when it is not the page at this size and position.
    void Show(HWND canvas, HDC canvasDc);
    // What lies under the figures changed: the next paint builds anew.
    void Invalidate();
    // A figure joined the top of the page: drawn onto the layer, and the
    // canvas asked to show it.
    void AddFigure(HWND canvas, DrawObject* figure);
    // The top figure went: what lay under it comes back, or the layer is
    // built anew at the next paint.
    void RemoveTopFigure(HWND canvas);
    // Nothing waits to be done: the next scroll position is built, once.
    void PrepareAhead(HWND canvas);
    // The canvas goes: its DCs and pixels are freed.
    void Release();

    // How many times the layer was built (the next position's builds
    // apart), and whether it holds the page as the canvas would show it
    // now: for tests.
    int Builds() const { return builds_; }
    bool IsCurrent(HWND canvas) const;

private:
    // The pixels a figure's box covered on a layer before it was drawn.
    struct Under {
        RECT area;
        HBITMAP pixels;
    };

    // One page's pixels at one scroll position, on a DC of their own.
    struct Pixels {
        HDC dc = nullptr;
        HBITMAP bitmap = nullptr;
        HGDIOBJ firstBitmap = nullptr;
        int width = 0;
        int height = 0;
        int originY = 0;
        bool valid = false;
        std::vector<Under> under;  // oldest first

        bool Make(HDC canvasDc, int newWidth, int newHeight);
        void Release();
        void KeepUnder(const RECT& box);
        bool PutBackUnder();
        void ForgetUnder(std::size_t count);
        void ForgetAllUnder() { ForgetUnder(under.size()); }
    };

    bool Fits(const Pixels& pixels, HWND canvas) const;
    bool Build(Pixels& pixels, HWND canvas, HDC canvasDc, int originY);
    bool AheadFits(HWND canvas) const;
    static bool TopFigureArea(const Pixels& pixels, RECT& area);

    HWND canvas_ = nullptr;  // the canvas the layer was built for
    Pixels shown_;
    Pixels ahead_;
    int direction_ = -1;  // of the last scroll: -1 down (End), +1 up (Home)
    bool scrolling_ = false;
    int builds_ = 0;
};

// The layer of the program's canvas.
PageLayer& CanvasLayer();

#endif
