#include "palettes/PaletteImage.h"

#include <algorithm>

#include "palettes/PaletteCells.h"

namespace palettes {

int ChartPitch(PaletteGroup group, int dpi) {
    // Rounded to whole pixels and never below one pixel of cell between the lines.
    const int palettePitch = std::max(2, fw::ScaleToDpi(kPalettePitch, dpi));
    return group == PaletteGroup::Palette ? palettePitch : palettePitch * kSchemePitch / kPalettePitch;
}

ChartSize ChartImageSize(const PaletteEntry& entry, int dpi) {
    const int pitch = ChartPitch(entry.group, dpi);
    return {entry.columns * pitch + 1, entry.rows * pitch + 1};
}

namespace {

// Writes pixels as a bottom-up 24-bit DIB holds them: last row first, blue, green, red,
// each row padded with zeros to DibStride(width) bytes.
template <typename PixelAt>
void WriteDib24(int width, int height, std::uint8_t* bits, PixelAt pixelAt) {
    const int stride = DibStride(width);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = bits + static_cast<std::size_t>(height - 1 - y) * stride;
        std::fill(row, row + stride, std::uint8_t{0});
        for (int x = 0; x < width; ++x) {
            const std::uint32_t rgb = pixelAt(x, y);
            row[3 * x] = static_cast<std::uint8_t>(rgb);
            row[3 * x + 1] = static_cast<std::uint8_t>(rgb >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(rgb >> 16);
        }
    }
}

// One pixel of a chart: black on the lines between the cells, else its cell's colour.
std::uint32_t ChartPixel(int x, int y, int pitch, const PaletteEntry& entry, const std::vector<std::uint32_t>& cells) {
    if (x % pitch == 0 || y % pitch == 0)
        return 0x000000;
    return cells[static_cast<std::size_t>(y / pitch * entry.columns + x / pitch)];
}

}  // namespace

PaletteImage DrawPaletteImage(const PaletteEntry& entry, int dpi) {
    const int pitch = ChartPitch(entry.group, dpi);
    const std::vector<std::uint32_t> cells = PaletteCellColors(entry);
    const ChartSize size = ChartImageSize(entry, dpi);

    PaletteImage image;
    image.width = size.width;
    image.height = size.height;
    image.pixels.reserve(static_cast<std::size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x)
            image.pixels.push_back(ChartPixel(x, y, pitch, entry, cells));
    }
    return image;
}

void DrawPaletteDib24(const PaletteEntry& entry, int dpi, std::uint8_t* bits) {
    const int pitch = ChartPitch(entry.group, dpi);
    const std::vector<std::uint32_t> cells = PaletteCellColors(entry);
    const ChartSize size = ChartImageSize(entry, dpi);
    WriteDib24(size.width, size.height, bits, [&](int x, int y) { return ChartPixel(x, y, pitch, entry, cells); });
}

int DibStride(int width) {
    return (width * 3 + 3) / 4 * 4;
}

std::vector<std::uint8_t> ToBottomUpDib24(const PaletteImage& image) {
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(DibStride(image.width)) * image.height);
    WriteDib24(image.width, image.height, bits.data(), [&](int x, int y) { return image.At(x, y); });
    return bits;
}

}  // namespace palettes
