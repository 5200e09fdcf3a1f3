#include "palettes/ChartDrawing.h"

#include <algorithm>
#include <vector>

#include "palettes/ChartCellColors.h"

namespace palettes {

int ChartPitch(ChartGroup group, int dpi) {
    // Rounded to whole pixels and never below one pixel of cell between the lines.
    const int palettePitch = std::max(2, fw::ScaleToDpi(kPalettePitch, dpi));
    return group == ChartGroup::Palette ? palettePitch : palettePitch * kSchemePitch / kPalettePitch;
}

ChartSize ChartImageSize(const ChartEntry& entry, int dpi) {
    const int pitch = ChartPitch(entry.group, dpi);
    return {entry.columns * pitch + 1, entry.rows * pitch + 1};
}

int DibStride(int width) {
    return (width * 3 + 3) / 4 * 4;
}

void DrawPaletteDib24(const ChartEntry& entry, int dpi, std::uint8_t* bits) {
    const int pitch = ChartPitch(entry.group, dpi);
    const std::vector<std::uint32_t> cells = ChartCellColors(entry);
    const ChartSize size = ChartImageSize(entry, dpi);
    const int stride = DibStride(size.width);
    for (int y = 0; y < size.height; ++y) {
        std::uint8_t* row = bits + static_cast<std::size_t>(size.height - 1 - y) * stride;
        std::fill(row, row + stride, std::uint8_t{0});
        for (int x = 0; x < size.width; ++x) {
            // Black on the lines between the cells, else the cell's colour.
            const bool line = x % pitch == 0 || y % pitch == 0;
            const std::uint32_t rgb =
                line ? 0x000000 : cells[static_cast<std::size_t>(y / pitch * entry.columns + x / pitch)];
            row[3 * x] = static_cast<std::uint8_t>(rgb);
            row[3 * x + 1] = static_cast<std::uint8_t>(rgb >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(rgb >> 16);
        }
    }
}

}  // namespace palettes
