// Draws icon 1, the program's icon, at a size of its own and writes it as a
// PNG with an alpha channel: the pictures the installed program shows in a
// desktop's menus and docks (the icon theme wants one file per size).
// Usage: program_icon_png <size> <out.png>
//
// Each output pixel is the average of the icon's pixels under it, weighted
// by how much of each it covers (transparent pixels count as clear). At a
// whole multiple of the icon's size that is every pixel drawn as a sharp
// square block; smaller, the thin rules blend into the sheet instead of
// vanishing every other row; between, only the block edges blend.
#include <zlib.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "resource_parts.h"

namespace {

struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;  // colour premultiplied by alpha, each 0..1
};

// The pixel at (x, y) as the port layer shows an icon: a palette character
// gives its colour, '.' and any character the palette lacks are clear, and a
// short row is clear past its end.
Rgba IconPixel(const PictureResource& icon, int x, int y) {
    const char* row = icon.rows[y];
    for (int i = 0; i < x; ++i) {
        if (row[i] == '\0') return {};
    }
    for (const char* const* entry = icon.palette; entry != nullptr && *entry != nullptr; ++entry) {
        if ((*entry)[0] != row[x] || (*entry)[1] != ' ') continue;
        unsigned long rgb = std::strtoul(*entry + 2, nullptr, 16);
        return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, 1.0};
    }
    return {};
}

// The stretch [from, to) of output pixel `index`, in icon pixels.
void Span(int index, int size, int iconSize, double& from, double& to) {
    from = static_cast<double>(index) * iconSize / size;
    to = static_cast<double>(index + 1) * iconSize / size;
}

// Rows of straight (not premultiplied) RGBA, 8 bits a channel.
std::vector<std::uint8_t> Draw(const PictureResource& icon, int size) {
    std::vector<std::uint8_t> pixels;
    pixels.reserve(static_cast<std::size_t>(size) * size * 4);
    for (int oy = 0; oy < size; ++oy) {
        double y0, y1;
        Span(oy, size, icon.height, y0, y1);
        for (int ox = 0; ox < size; ++ox) {
            double x0, x1;
            Span(ox, size, icon.width, x0, x1);
            Rgba sum;
            for (int y = static_cast<int>(y0); y < y1 && y < icon.height; ++y) {
                double h = std::fmin(y1, y + 1.0) - std::fmax(y0, static_cast<double>(y));
                for (int x = static_cast<int>(x0); x < x1 && x < icon.width; ++x) {
                    double weight = h * (std::fmin(x1, x + 1.0) - std::fmax(x0, static_cast<double>(x)));
                    Rgba p = IconPixel(icon, x, y);
                    sum.r += p.r * weight;
                    sum.g += p.g * weight;
                    sum.b += p.b * weight;
                    sum.a += p.a * weight;
                }
            }
            double area = (x1 - x0) * (y1 - y0);
            double alpha = sum.a / area;
            auto channel = [](double value) {
                return static_cast<std::uint8_t>(std::lround(std::fmin(1.0, std::fmax(0.0, value)) * 255));
            };
            pixels.push_back(alpha > 0 ? channel(sum.r / sum.a) : 0);
            pixels.push_back(alpha > 0 ? channel(sum.g / sum.a) : 0);
            pixels.push_back(alpha > 0 ? channel(sum.b / sum.a) : 0);
            pixels.push_back(channel(alpha));
        }
    }
    return pixels;
}

void PutBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void PutChunk(std::string& out, const char* type, const std::string& body) {
    PutBigEndian(out, static_cast<std::uint32_t>(body.size()));
    std::string typed = std::string(type, 4) + body;
    out += typed;
    PutBigEndian(out, static_cast<std::uint32_t>(
                          crc32(0, reinterpret_cast<const Bytef*>(typed.data()), static_cast<uInt>(typed.size()))));
}

// A PNG of 8-bit RGBA, every row unfiltered, the rows deflated with zlib.
bool WritePng(const char* path, int size, const std::vector<std::uint8_t>& pixels) {
    std::string rows;
    for (int y = 0; y < size; ++y) {
        rows.push_back('\0');
        rows.append(reinterpret_cast<const char*>(pixels.data()) + static_cast<std::size_t>(y) * size * 4,
                    static_cast<std::size_t>(size) * 4);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(rows.data()), static_cast<uLong>(rows.size()), 9) != Z_OK)
        return false;
    packed.resize(packedSize);

    std::string header;
    PutBigEndian(header, static_cast<std::uint32_t>(size));
    PutBigEndian(header, static_cast<std::uint32_t>(size));
    header += std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, deflate, no filter, no interlace
    std::string file = "\x89PNG\r\n\x1a\n";
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", packed);
    PutChunk(file, "IEND", "");

    FILE* out = std::fopen(path, "wb");
    if (out == nullptr) return false;
    bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    int size = argc == 3 ? std::atoi(argv[1]) : 0;
    if (size < 1 || size > 1024) {
        std::fprintf(stderr, "usage: program_icon_png <size 1..1024> <out.png>\n");
        return 2;
    }
    if (!WritePng(argv[2], size, Draw(kProgramIcon, size))) {
        std::fprintf(stderr, "program_icon_png: could not write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
