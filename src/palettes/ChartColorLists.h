#pragma once
// The fixed colour lists of the charts that follow no rule, as 0xRRGGBB in reading
// order. A chart's cells past the end of its list are black fillers.
#include <cstdint>
#include <span>
#include <string_view>

namespace palettes {

std::span<const std::uint32_t> WebTailTable();  // palWeb from row 18 on
// The list of the chart with this identifier; empty for a chart made by a rule.
std::span<const std::uint32_t> CellTable(std::string_view identifier);

}  // namespace palettes
