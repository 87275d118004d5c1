#include "canvas_screen.h"

#include "application.h"
#include "canvas.h"
#include "page_layer.h"

namespace {

class CanvasListener final : public ScreenListener {
public:
    void PageChanged() override {
        CanvasLayer().Invalidate();
        InvalidateCanvas();
    }
    void FigureAdded(DrawObject* figure) override { CanvasLayer().AddFigure(TheApplication().canvasWindow, figure); }
    void TopFigureRemoved() override {
        CanvasLayer().RemoveTopFigure(TheApplication().canvasWindow);
        InvalidateCanvas();
    }
    // The canvas's parent is the main window; without a canvas there is no
    // caption to change.
    void CaptionChanged(const char* caption) override {
        HWND mainWindow = GetParent(TheApplication().canvasWindow);
        if (mainWindow != nullptr) SetWindowTextA(mainWindow, caption);
    }
};

CanvasListener canvasListener;

}  // namespace

ScreenListener& CanvasScreen() { return canvasListener; }
