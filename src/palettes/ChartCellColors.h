#pragma once
// The colour of every cell of a chart, before it is drawn.
#include <cstdint>
#include <vector>

#include "palettes/ChartCatalogue.h"

namespace palettes {

// rows x columns colours as 0xRRGGBB in reading order; filler cells are black (0x000000).
std::vector<std::uint32_t> ChartCellColors(const ChartEntry& entry);

}  // namespace palettes
