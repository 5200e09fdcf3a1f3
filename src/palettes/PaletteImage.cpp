#include "palettes/PaletteImage.h"

#include "palettes/PaletteCells.h"

namespace palettes {

PaletteImage DrawPaletteImage(const PaletteEntry& entry) {
    const int pitch = entry.Pitch();
    const std::vector<std::uint32_t> cells = PaletteCellColors(entry);

    PaletteImage image;
    image.width = kImageWidth;
    image.height = entry.imageHeight;
    image.pixels.reserve(static_cast<std::size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const bool onLine = x % pitch == 0 || y % pitch == 0;
            const int cell = y / pitch * entry.columns + x / pitch;
            image.pixels.push_back(onLine ? 0x000000 : cells[static_cast<std::size_t>(cell)]);
        }
    }
    return image;
}

int DibStride(int width) {
    return (width * 3 + 3) / 4 * 4;
}

std::vector<std::uint8_t> ToBottomUpDib24(const PaletteImage& image) {
    const int stride = DibStride(image.width);
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(stride) * image.height, 0);
    for (int y = 0; y < image.height; ++y) {
        std::uint8_t* row = bits.data() + static_cast<std::size_t>(image.height - 1 - y) * stride;
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t rgb = image.At(x, y);
            row[3 * x] = static_cast<std::uint8_t>(rgb);
            row[3 * x + 1] = static_cast<std::uint8_t>(rgb >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(rgb >> 16);
        }
    }
    return bits;
}

}  // namespace palettes
