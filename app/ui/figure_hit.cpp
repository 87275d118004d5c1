// Each figure whose box comes near the click is drawn, topmost first, into
// a memory bitmap of the pixels around the click: the canvas's own mapping
// with its origin moved shows that part of the canvas pixel for pixel, over
// a colour the figure does not draw in. The first figure that changes a
// pixel there is the one hit. A text draws there the box its tool shows
// too (the surface's DrawStringBox), so the box's edges count like the
// text; a click inside the box, away from its edges, is found by drawing
// the box along the click's row and meeting an edge on either side.
#include "figure_hit.h"

#include <algorithm>

#include "application.h"
#include "canvas.h"
#include "figure_box.h"
#include "figure_text.h"
#include "shown_figures.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;
// A figure draws in two colours at most (pen and text, fill), so one of
// three backgrounds always differs from both.
constexpr COLORREF kBackgrounds[] = {kWhite, kBlack, 0x808080};
// A text's row is looked along at most this many pixels either side.
constexpr LONG kLongestRow = 16384;

// A memory bitmap showing an area of the canvas, pixel for pixel.
class CanvasPatch {
public:
    CanvasPatch(HDC canvasDC, const RECT& client, const RECT& area) : client_(client), area_(area) {
        dc_ = CreateCompatibleDC(canvasDC);
        bitmap_ = CreateCompatibleBitmap(canvasDC, area.right - area.left, area.bottom - area.top);
        if (dc_ != nullptr && bitmap_ != nullptr) oldBitmap_ = SelectObject(dc_, bitmap_);
    }
    ~CanvasPatch() {
        if (oldBitmap_ != nullptr) SelectObject(dc_, oldBitmap_);
        if (bitmap_ != nullptr) DeleteObject(bitmap_);
        if (dc_ != nullptr) DeleteDC(dc_);
    }
    CanvasPatch(const CanvasPatch&) = delete;
    CanvasPatch& operator=(const CanvasPatch&) = delete;

    bool Ready() const { return oldBitmap_ != nullptr; }

    // Fills the area with `background`, then `draw` draws on the patch in
    // page units.
    template <class Draw>
    void Paint(COLORREF background, Draw draw) {
        background_ = background;
        const RECT all{0, 0, area_.right - area_.left, area_.bottom - area_.top};
        HBRUSH brush = CreateSolidBrush(background);
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
        const int level = SaveDC(dc_);
        SetPageMapping(dc_, client_);
        SetViewportOrgEx(dc_, -area_.left, -area_.top, nullptr);
        draw(dc_);
        RestoreDC(dc_, level);
    }

    // Whether the last Paint drew on a pixel, in canvas coordinates.
    bool Drawn(LONG x, LONG y) const {
        const COLORREF pixel = GetPixel(dc_, x - area_.left, y - area_.top);
        return pixel != CLR_INVALID && pixel != background_;
    }

private:
    RECT client_;
    RECT area_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    COLORREF background_ = kWhite;
};

struct Attributes {
    COLORREF colour = 0, fillColour = 0;
    int penStyle = 0, penWidth = 0, fillOn = 0, fontHeight = 0;
};

Attributes AttributesOf(DrawObject* figure) {
    Attributes made;
    figure->GetAttributes(&made.colour, &made.penStyle, &made.penWidth, &made.fillColour, &made.fillOn,
                          &made.fontHeight);
    return made;
}

COLORREF BackgroundFor(const Attributes& figure) {
    for (COLORREF background : kBackgrounds) {
        if (background != (figure.colour & kWhite) && (figure.fillOn == 0 || background != (figure.fillColour & kWhite)))
            return background;
    }
    return kBackgrounds[0];
}

// A text figure's anchor and text, as it was stored.
struct TextParts {
    int x = 0, y = 0;
    OwnedText text;
};

bool ReadText(DrawObject* figure, TextParts& parts) {
    const OwnedText objData = EncodeFigure(figure);
    const char* text = nullptr;
    std::size_t length = 0;
    if (!objData || !TextOfObjData(objData.get(), parts.x, parts.y, text, length)) return false;
    parts.text = AllocateText(length + 1);
    if (!parts.text) return false;
    std::memcpy(parts.text.get(), text, length);
    parts.text.get()[length] = '\0';
    return true;
}

// One click's test, figure by figure.
class ClickTest {
public:
    ClickTest(HWND canvas, HDC canvasDC, POINT click)
        : surface_(TheApplication().surface), canvasDC_(canvasDC), client_(ClientOf(canvas)), click_(click),
          near_(canvasDC, client_,
                RECT{click.x - kHitReach, click.y - kHitReach, click.x + kHitReach + 1, click.y + kHitReach + 1}) {}

    bool Ready() const { return surface_ != nullptr && near_.Ready(); }

    // The page area a figure's box must meet to be drawn at all: the
    // click's reach and a pixel more for rounding.
    FigureBox Near() const {
        POINT corners[2] = {{click_.x - kHitReach - 1, click_.y - kHitReach - 1},
                            {click_.x + kHitReach + 1, click_.y + kHitReach + 1}};
        DPtoLP(canvasDC_, corners, 2);
        return BoxBetween(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
    }

    bool Hits(DrawObject* figure, const FigureBox& box) {
        const Attributes attributes = AttributesOf(figure);
        TextParts text;
        const bool isText = figure->GetKind() == kKindText && ReadText(figure, text);
        if (DrawnNear(figure, attributes, isText ? &text : nullptr)) return true;
        return isText && InsideTextBox(text, attributes.fontHeight, box);
    }

private:
    static RECT ClientOf(HWND canvas) {
        RECT client{};
        GetClientRect(canvas, &client);
        return client;
    }

    bool OnCanvas(LONG x, LONG y) const {
        return x >= client_.left && x < client_.right && y >= client_.top && y < client_.bottom;
    }

    // The figure's pixels (and a text's box) within reach of the click, on
    // the canvas: what lies outside it cannot be seen.
    bool DrawnNear(DrawObject* figure, const Attributes& attributes, const TextParts* text) {
        near_.Paint(BackgroundFor(attributes), [&](HDC dc) {
            surface_->SetDC(dc);
            figure->Draw();
            if (text == nullptr) return;
            surface_->SetAttributes(attributes.colour, PS_SOLID, 0, 0, 0, attributes.fontHeight);
            surface_->DrawStringBox(text->x, text->y, text->text.get(), kModeKeepRop);
        });
        for (LONG y = click_.y - kHitReach; y <= click_.y + kHitReach; ++y) {
            for (LONG x = click_.x - kHitReach; x <= click_.x + kHitReach; ++x) {
                if (OnCanvas(x, y) && near_.Drawn(x, y)) return true;
            }
        }
        return false;
    }

    // The text's box drawn along the click's row, across the figure's
    // whole box: inside, the row meets the box's left edge before the
    // click and its right edge after it. The edges may lie off the canvas.
    bool InsideTextBox(const TextParts& text, int fontHeight, const FigureBox& box) {
        POINT corners[2] = {{box.left, box.top}, {box.right, box.bottom}};
        LPtoDP(canvasDC_, corners, 2);
        const LONG left = std::clamp(std::min(corners[0].x, corners[1].x) - 1, click_.x - kLongestRow, click_.x);
        const LONG right = std::clamp(std::max(corners[0].x, corners[1].x) + 1, click_.x, click_.x + kLongestRow);
        CanvasPatch row(canvasDC_, client_, RECT{left, click_.y, right + 1, click_.y + 1});
        if (!row.Ready()) return false;
        row.Paint(kWhite, [&](HDC dc) {
            surface_->SetDC(dc);
            surface_->SetAttributes(kBlack, PS_SOLID, 0, 0, 0, fontHeight);
            surface_->DrawStringBox(text.x, text.y, text.text.get(), kModeKeepRop);
        });
        bool before = false, after = false;
        for (LONG x = click_.x; x >= left && !before; --x) before = row.Drawn(x, click_.y);
        for (LONG x = click_.x; x <= right && !after; ++x) after = row.Drawn(x, click_.y);
        return before && after;
    }

    ZDrawSp* surface_;
    HDC canvasDC_;
    RECT client_;
    POINT click_;
    CanvasPatch near_;
};

long TopHit(ZLinklistCOM* figures, const ShownFigures& shown, ClickTest& test) {
    const FigureBox near = test.Near();
    std::size_t position = shown.Count();
    for (auto* figure = static_cast<DrawObject*>(figures->Last()); figure != nullptr && position > 0;
         figure = static_cast<DrawObject*>(figures->Previous())) {
        --position;
        const FigureBox& box = shown[position].box;
        if (box.Meets(near) && test.Hits(figure, box)) return static_cast<long>(position);
    }
    return -1;
}

}  // namespace

long TopFigureAt(HWND canvas, HDC canvasDC, POINT device) {
    Application& application = TheApplication();
    const ShownFigures* shown = application.ShownFigureRecord();
    if (shown == nullptr || shown->Count() == 0 || application.surface == nullptr) return -1;
    long hit = -1;
    {
        ClickTest test(canvas, canvasDC, device);
        if (test.Ready()) hit = TopHit(application.pageObjects, *shown, test);
    }
    application.surface->SetDC(canvasDC);
    return hit;
}
