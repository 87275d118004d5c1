// A minimal PNG writer (stored, uncompressed deflate blocks) so a failing
// pixel test can leave its image behind for a look.
#ifndef TARNWICK_TESTS_SUPPORT_PNG_WRITER_H
#define TARNWICK_TESTS_SUPPORT_PNG_WRITER_H

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace tarnwick_test {

inline std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0) {
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

inline void PutChunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& body) {
    PutBigEndian(out, static_cast<std::uint32_t>(body.size()));
    std::vector<std::uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), body.begin(), body.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutBigEndian(out, Crc32(typed.data(), typed.size()));
}

// pixels: COLORREF values (0x00BBGGRR), row by row.
inline bool WritePng(const std::string& path, int width, int height, const std::vector<std::uint32_t>& pixels) {
    std::vector<std::uint8_t> raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);  // no filter
        for (int x = 0; x < width; ++x) {
            std::uint32_t c = pixels[static_cast<std::size_t>(y) * width + x];
            raw.push_back(c & 0xFF);
            raw.push_back((c >> 8) & 0xFF);
            raw.push_back((c >> 16) & 0xFF);
        }
    }
    std::vector<std::uint8_t> zlib = {0x78, 0x01};
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    for (std::size_t offset = 0; offset < raw.size() || offset == 0;) {
        std::size_t size = raw.size() - offset < 65535 ? raw.size() - offset : 65535;
        bool last = offset + size >= raw.size();
        zlib.push_back(last ? 1 : 0);
        zlib.push_back(size & 0xFF);
        zlib.push_back((size >> 8) & 0xFF);
        zlib.push_back(~size & 0xFF);
        zlib.push_back((~size >> 8) & 0xFF);
        zlib.insert(zlib.end(), raw.begin() + offset, raw.begin() + offset + size);
        offset += size;
        if (last) break;
    }
    PutBigEndian(zlib, (b << 16) | a);

    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", zlib);
    PutChunk(out, "IEND", {});
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace tarnwick_test

#endif
