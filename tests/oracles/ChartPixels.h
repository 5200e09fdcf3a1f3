#pragma once
// The charts as the program draws them, read back pixel by pixel from the bits it fills
// (palettes::DrawPaletteDib24) by the layout every 24-bit DIB has, and the rule of lines
// and cells the tests hold those pixels to: so a test of a chart's pixels tests the
// program's own drawing.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/DpiScale.h"
#include "palettes/ChartDrawing.h"
#include "palettes/ChartCatalogue.h"

namespace oracle {

struct PaletteImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0xRRGGBB, row by row, row 0 at the top

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Bytes in a row of a 24-bit DIB: three a pixel, padded to a multiple of four.
inline std::size_t Stride24(int width) {
    return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
}

// The pixels of a bottom-up 24-bit DIB: last row first, each pixel as blue, green, red.
inline PaletteImage ReadBottomUpDib24(const std::uint8_t* bits, int width, int height) {
    PaletteImage image{width, height, {}};
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = bits + Stride24(width) * static_cast<std::size_t>(height - 1 - y);
        for (const std::uint8_t* pixel = row; pixel < row + 3 * width; pixel += 3)
            image.pixels.push_back(std::uint32_t{pixel[2]} << 16 | std::uint32_t{pixel[1]} << 8 | pixel[0]);
    }
    return image;
}

// The bits the program draws a chart into at `dpi`, in a buffer first filled with `fill`.
inline std::vector<std::uint8_t> DrawnDib(const palettes::ChartEntry& entry, int dpi, std::uint8_t fill = 0xAB) {
    const palettes::ChartSize size = palettes::ChartImageSize(entry, dpi);
    std::vector<std::uint8_t> bits(Stride24(size.width) * static_cast<std::size_t>(size.height), fill);
    palettes::DrawPaletteDib24(entry, dpi, bits.data());
    return bits;
}

// The program's drawing of a chart, pixel by pixel.
inline PaletteImage DrawnChart(const palettes::ChartEntry& entry, int dpi = fw::kDesignDpi) {
    const palettes::ChartSize size = palettes::ChartImageSize(entry, dpi);
    return ReadBottomUpDib24(DrawnDib(entry, dpi).data(), size.width, size.height);
}

// The rule: black on every line of the grid (each pitch-th row and column, from 0), else
// the colour of the pixel's cell among `cells`, `columns` to a row in reading order.
inline std::uint32_t RulePixel(const std::vector<std::uint32_t>& cells, int columns, int pitch, int x, int y) {
    return x % pitch == 0 || y % pitch == 0 ? 0 : cells[static_cast<std::size_t>(y / pitch * columns + x / pitch)];
}

}  // namespace oracle
