#pragma once
// What the charts should look like, drawn here apart from the program's own drawing so
// that the tests can compare the two: every pixel as 0xRRGGBB, and the bytes a bottom-up
// 24-bit DIB holds for them.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/DpiScale.h"
#include "palettes/ChartDrawing.h"
#include "palettes/PaletteCatalogue.h"
#include "palettes/PaletteCells.h"

namespace oracle {

struct PaletteImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0xRRGGBB, row by row, row 0 at the top

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Black on every line of the grid (each pitch-th row and column, from 0), the cell's
// colour elsewhere.
inline PaletteImage DrawPaletteImage(const palettes::PaletteEntry& entry, int dpi = fw::kDesignDpi) {
    const int pitch = palettes::ChartPitch(entry.group, dpi);
    const std::vector<std::uint32_t> cells = palettes::PaletteCellColors(entry);
    const palettes::ChartSize size = palettes::ChartImageSize(entry, dpi);
    PaletteImage image{size.width, size.height, {}};
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const bool line = x % pitch == 0 || y % pitch == 0;
            image.pixels.push_back(line ? 0 : cells[static_cast<std::size_t>(y / pitch * entry.columns + x / pitch)]);
        }
    }
    return image;
}

// Last row first, each pixel as blue, green, red, each row padded with zeros to a
// multiple of four bytes.
inline std::vector<std::uint8_t> ToBottomUpDib24(const PaletteImage& image) {
    const std::size_t stride = (static_cast<std::size_t>(image.width) * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> bits(stride * image.height, 0);
    for (int y = 0; y < image.height; ++y) {
        std::uint8_t* row = &bits[stride * static_cast<std::size_t>(image.height - 1 - y)];
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t rgb = image.At(x, y);
            row[3 * x] = static_cast<std::uint8_t>(rgb);
            row[3 * x + 1] = static_cast<std::uint8_t>(rgb >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(rgb >> 16);
        }
    }
    return bits;
}

}  // namespace oracle
