#pragma once
// A chart drawn as pixels: a grid of flat cells with black one-pixel lines between
// them and round the edge. At any DPI the cells stay flat and the lines one pixel
// wide; only the pitch (cell plus line) grows, by a whole number of pixels.
#include <cstdint>

#include "framework/DpiScale.h"
#include "palettes/ChartCatalogue.h"

namespace palettes {

// The distance from one grid line to the next at `dpi`: 8 pixels at 96 DPI for the
// palettes, 12 at 144, and twice that for the schemes, so every chart keeps one width.
int ChartPitch(ChartGroup group, int dpi);

struct ChartSize {
    int width;
    int height;
};

// columns x pitch + 1 by rows x pitch + 1: kImageWidth x entry.imageHeight at 96 DPI.
ChartSize ChartImageSize(const ChartEntry& entry, int dpi = fw::kDesignDpi);

// Bytes per row of a 24-bit device-independent bitmap: rows are padded to four bytes.
int DibStride(int width);

// The chart drawn into the bits of a bottom-up 24-bit DIB of its size: last row first,
// each pixel as blue, green, red, each row padded with zeros to DibStride(width) bytes.
void DrawPaletteDib24(const ChartEntry& entry, int dpi, std::uint8_t* bits);

}  // namespace palettes
