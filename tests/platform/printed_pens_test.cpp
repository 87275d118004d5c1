// Pen styles on paper: a printer DC draws a pen as the canvas shows the
// page, 225 canvas pixels to the inch of paper. A pen one canvas pixel wide
// keeps its dashes, each pattern pixel 25.4/225 mm long; a wider pen is
// solid. The page is printed to PDF once and rasterised at 254 dpi, where
// one pixel is 0.1 mm, a logical unit of MM_LOMETRIC.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "printed_page.h"
#include "test_hooks.h"
#include "windows.h"

namespace {

// Raster pixels (0.1 mm) to one canvas pixel.
constexpr double kCanvasPixel = 254.0 / 225.0;
constexpr int kLineStart = 100, kLineEnd = 1100;  // 0.1 mm: lines of 100 mm

struct PenCase {
    const char* name;
    int style;
    int width;                 // 0.1 mm
    std::vector<int> pattern;  // on, off, ... in canvas pixels; empty when solid
};

const PenCase kCases[] = {
    {"dash, 0.1 mm", PS_DASH, 1, {18, 6}},
    {"dot, 0.1 mm", PS_DOT, 1, {3, 3}},
    {"dash-dot, 0.1 mm", PS_DASHDOT, 1, {9, 6, 3, 6}},
    {"dash-dot-dot, 0.1 mm", PS_DASHDOTDOT, 1, {9, 3, 3, 3, 3, 3}},
    {"dash, 0.2 mm: two canvas pixels wide, solid", PS_DASH, 2, {}},
    {"dot, 0.6 mm: solid", PS_DOT, 6, {}},
    {"solid, 0.1 mm", PS_SOLID, 1, {}},
};

// Where case i's line runs, 1 cm below the one before it.
int RowOf(int i) { return 200 + 100 * i; }

struct InkRun {
    int first, last;
};

class PrintedPens : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // One file per process: CTest runs each test in a process of its own, side by side.
        const std::string file =
            std::filesystem::temp_directory_path() / ("tarnwick-printed-pens-" + std::to_string(getpid()) + ".pdf");
        std::filesystem::remove(file);
        if (PrintLines(file)) page_ = std::make_unique<PrintedPage>(file);
        std::filesystem::remove(file);
        std::filesystem::remove(file + ".ppm");
    }
    static void TearDownTestSuite() { page_.reset(); }

    void SetUp() override { ASSERT_TRUE(page_ && page_->Valid()) << "the page was not printed or rasterised"; }

    // The runs of ink along case i's line: a column is inked when any pixel
    // of the line's band is.
    static std::vector<InkRun> InkRuns(int i) {
        std::vector<InkRun> runs;
        for (int x = kLineStart - 50; x <= kLineEnd + 50; ++x) {
            bool ink = false;
            for (int y = RowOf(i) - 4; y <= RowOf(i) + 4; ++y) ink = ink || page_->IsInk(x, y);
            if (!ink) continue;
            if (!runs.empty() && runs.back().last == x - 1) {
                runs.back().last = x;
            } else {
                runs.push_back({x, x});
            }
        }
        return runs;
    }

private:
    static bool PrintLines(const std::string& file) {
        HDC dc = CreateDCA("winspool", PDF_PRINTER_NAME, file.c_str(), nullptr);
        if (dc == nullptr) return false;
        DOCINFOA document{sizeof(document), "Printed pens", nullptr, "", 0};
        const bool started = StartDocA(dc, &document) > 0 && StartPage(dc) > 0;
        if (started) {
            SetMapMode(dc, MM_LOMETRIC);
            SetBkMode(dc, TRANSPARENT);
            for (int i = 0; i < static_cast<int>(std::size(kCases)); ++i) {
                HPEN pen = CreatePen(kCases[i].style, kCases[i].width, RGB(0, 0, 0));
                HGDIOBJ old = SelectObject(dc, pen);
                MoveToEx(dc, kLineStart, -RowOf(i), nullptr);
                LineTo(dc, kLineEnd, -RowOf(i));
                SelectObject(dc, old);
                DeleteObject(pen);
            }
        }
        const bool ended = started && EndPage(dc) > 0 && EndDoc(dc) > 0;
        DeleteDC(dc);
        return ended;
    }

    static std::unique_ptr<PrintedPage> page_;
};

std::unique_ptr<PrintedPage> PrintedPens::page_;

TEST_F(PrintedPens, AOneCanvasPixelPenKeepsItsPatternAtTheCanvasScale) {
    for (int i = 0; i < static_cast<int>(std::size(kCases)); ++i) {
        const PenCase& c = kCases[i];
        if (c.pattern.empty()) continue;
        SCOPED_TRACE(c.name);
        const std::vector<InkRun> runs = InkRuns(i);
        const int dashesPerPeriod = static_cast<int>(c.pattern.size()) / 2;
        double period = 0;
        for (int length : c.pattern) period += length * kCanvasPixel;
        const int periods = static_cast<int>((kLineEnd - kLineStart) / period);
        ASSERT_GE(static_cast<int>(runs.size()), periods * dashesPerPeriod);
        EXPECT_NEAR(runs.front().first, kLineStart, 1) << "the pattern starts with the line";
        // Each dash and the gap after it, but for the last dash, which the
        // line's end may cut short.
        for (std::size_t k = 0; k + 1 < runs.size(); ++k) {
            const std::size_t at = 2 * (k % dashesPerPeriod);
            EXPECT_NEAR(runs[k].last - runs[k].first + 1, c.pattern[at] * kCanvasPixel, 1.5) << "dash " << k;
            EXPECT_NEAR(runs[k + 1].first - runs[k].last - 1, c.pattern[at + 1] * kCanvasPixel, 1.5) << "gap " << k;
        }
        // Over the whole line the pattern keeps its length to a pixel or two.
        const int lastWhole = periods * dashesPerPeriod;
        EXPECT_NEAR(runs[lastWhole].first - runs.front().first, periods * period, 2.0);
    }
}

TEST_F(PrintedPens, APenWiderThanACanvasPixelPrintsSolid) {
    for (int i = 0; i < static_cast<int>(std::size(kCases)); ++i) {
        const PenCase& c = kCases[i];
        if (!c.pattern.empty()) continue;
        SCOPED_TRACE(c.name);
        const std::vector<InkRun> runs = InkRuns(i);
        ASSERT_EQ(runs.size(), 1u) << "gaps in a solid line";
        // 100 mm, and at most the round ends of a 0.6 mm pen beyond.
        EXPECT_NEAR(runs[0].first, kLineStart, 4);
        EXPECT_NEAR(runs[0].last, kLineEnd, 4);
    }
}

}  // namespace
