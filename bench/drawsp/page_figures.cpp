#include "page_figures.h"

#include <algorithm>
#include <random>

namespace {

// The toolbar's value tables.
constexpr int kWidths[] = {1, 2, 3, 4, 6};
constexpr int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT};
constexpr COLORREF kColours[] = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF,
                                 0xFFFF00, 0xFF00FF, 0x000080, 0x008000, 0x800000,
                                 0x00A4A4, 0x808000, 0xA400A4, 0xFFFFFF, 0xC4C4C4};
constexpr int kFontHeights[] = {28, 35, 42, 49, 56, 63, 70};
const char* const kWords[] = {"Memo", "Total 42", "see p. 3", "draft", "Kitchen wall 2.40 m",
                              "A", "check;this", "north"};

// Kinds in the proportions a drafting page has them: mostly lines.
constexpr int kKindMix[] = {1, 1, 1, 1, 1, 1, 1, 6, 6, 6, 6, 4, 4, 4, 3, 3, 3, 7, 7, 7};

class PageMaker {
public:
    explicit PageMaker(unsigned seed) : random_(seed) {}

    PageFigure Next() {
        PageFigure figure{};
        figure.kind = Pick(kKindMix);
        figure.colour = kColours[Below(13)];
        figure.penStyle = Below(3) == 0 ? Pick(kStyles) : PS_SOLID;
        figure.penWidth = Pick(kWidths);
        const bool filled = figure.kind != 1 && figure.kind != 7 && Below(3) == 0;
        figure.fillColour = filled ? Pick(kColours) : 0;
        figure.fillOn = filled ? 1 : 0;
        figure.fontHeight = Pick(kFontHeights);
        const POINT anchor{Between(0, kPageWidth), Between(kPageBottom, 0)};
        switch (figure.kind) {
            case 1:
            case 6:
                figure.points = {anchor, Near(anchor, 400)};
                break;
            case 4:
                figure.points = {anchor, POINT{Between(10, 250), Between(10, 200)}};
                break;
            case 3: {
                const int vertices = Between(3, 8);
                for (int i = 0; i < vertices; ++i) figure.points.push_back(Near(anchor, 300));
                break;
            }
            default:
                figure.points = {anchor};
                figure.text = Pick(kWords);
        }
        return figure;
    }

private:
    int Below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    template <class T, std::size_t N>
    T Pick(const T (&values)[N]) { return values[Below(static_cast<int>(N))]; }

    POINT Near(POINT p, int reach) {
        return POINT{std::clamp(p.x + Between(-reach, reach), 0, kPageWidth),
                     std::clamp(p.y + Between(-reach, reach), kPageBottom, 0)};
    }

    std::mt19937 random_;
};

}  // namespace

std::vector<PageFigure> MakePage(int figureCount, unsigned seed) {
    PageMaker maker(seed);
    std::vector<PageFigure> page;
    page.reserve(figureCount);
    for (int i = 0; i < figureCount; ++i) page.push_back(maker.Next());
    return page;
}
