// A printed PDF as a test sees it: what pdfinfo says of it, and one of its
// pages (the first unless told) rasterised by pdftoppm at 254 dots per
// inch, where one pixel is 0.1 mm on paper, the program's own page unit;
// the whole sheet, or as many rows from its top as asked for.
#ifndef TARNWICK_TESTS_SUPPORT_PRINTED_PAGE_H
#define TARNWICK_TESTS_SUPPORT_PRINTED_PAGE_H

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "windows.h"

class PrintedPage {
public:
    static constexpr int kDotsPerInch = 254;

    // Reads `pdf`; Valid() is false when the tools or the file fail.
    explicit PrintedPage(const std::string& pdf, int page = 1, int rows = 0) {
        info_ = Run("pdfinfo '" + pdf + "'");
        const std::string number = std::to_string(page);
        const std::string raster = pdf + "-" + number;
        const std::string crop = rows > 0 ? " -x 0 -y 0 -H " + std::to_string(rows) : "";
        Run("pdftoppm -r " + std::to_string(kDotsPerInch) + crop + " -f " + number + " -l " + number +
            " -singlefile '" + pdf + "' '" + raster + "'");
        std::ifstream pixels(raster + ".ppm", std::ios::binary);
        ReadPpm(std::string(std::istreambuf_iterator<char>(pixels), {}));
        std::remove((raster + ".ppm").c_str());
    }

    bool Valid() const { return width_ > 0 && height_ > 0; }
    bool operator==(const PrintedPage& other) const {
        return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
    }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // A line of pdfinfo's answer, after "Key:" and its padding ("" if none).
    std::string Info(const std::string& key) const {
        std::size_t at = info_.find(key + ":");
        if (at == std::string::npos) return "";
        at = info_.find_first_not_of(' ', at + key.size() + 1);
        return info_.substr(at, info_.find('\n', at) - at);
    }

    COLORREF At(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
        const std::size_t i = (static_cast<std::size_t>(y) * width_ + x) * 3;
        return RGB(pixels_[i], pixels_[i + 1], pixels_[i + 2]);
    }
    bool IsInk(int x, int y) const {
        COLORREF colour = At(x, y);
        return colour != CLR_INVALID && (GetRValue(colour) < 200 || GetGValue(colour) < 200 || GetBValue(colour) < 200);
    }
    // The first and last inked column of a row within [from, to], or -1s.
    std::pair<int, int> InkedSpan(int y, int from, int to) const {
        int first = -1, last = -1;
        for (int x = from; x <= to; ++x) {
            if (!IsInk(x, y)) continue;
            if (first < 0) first = x;
            last = x;
        }
        return {first, last};
    }
    // Inked pixels outside the given boxes (left, top, right, bottom).
    int InkOutside(const std::vector<RECT>& boxes) const {
        int ink = 0;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                if (!IsInk(x, y)) continue;
                bool inside = false;
                for (const RECT& box : boxes)
                    inside |= x >= box.left && x <= box.right && y >= box.top && y <= box.bottom;
                ink += inside ? 0 : 1;
            }
        }
        return ink;
    }

private:
    static std::string Run(const std::string& command) {
        std::string output;
        FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
        if (pipe == nullptr) return output;
        char buffer[65536];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
        pclose(pipe);
        return output;
    }

    // Binary PPM: "P6", width, height, maximum 255, one white space, pixels.
    void ReadPpm(const std::string& data) {
        int maximum = 0, consumed = 0;
        if (std::sscanf(data.c_str(), "P6 %d %d %d%n", &width_, &height_, &maximum, &consumed) != 3 ||
            maximum != 255 || data.size() < static_cast<std::size_t>(consumed) + 1 + 3u * width_ * height_) {
            width_ = height_ = 0;
            return;
        }
        pixels_.assign(data.begin() + consumed + 1, data.begin() + consumed + 1 + 3 * width_ * height_);
    }

    std::string info_;
    int width_ = 0;
    int height_ = 0;
    std::vector<unsigned char> pixels_;
};

#endif
