#pragma once
// A chart drawn as pixels: a grid of flat cells with black one-pixel lines between
// them and round the edge.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "palettes/PaletteCatalogue.h"

namespace palettes {

struct PaletteImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0xRRGGBB, row by row, row 0 at the top

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// kImageWidth x entry.imageHeight pixels.
PaletteImage DrawPaletteImage(const PaletteEntry& entry);

// Bytes per row of a 24-bit device-independent bitmap: rows are padded to four bytes.
int DibStride(int width);

// The pixels as a bottom-up 24-bit DIB expects them: last row first, each pixel as
// blue, green, red, each row padded with zeros to DibStride(width) bytes.
std::vector<std::uint8_t> ToBottomUpDib24(const PaletteImage& image);

}  // namespace palettes
