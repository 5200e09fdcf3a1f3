#pragma once
// The fixed colour lists of the charts that follow no rule, as 0xRRGGBB in reading
// order. A chart's cells past the end of its list are black fillers.
#include <cstdint>
#include <span>

namespace palettes {

std::span<const std::uint32_t> WebTailTable();  // palWeb from row 18 on
std::span<const std::uint32_t> WebHueTable();
std::span<const std::uint32_t> WindowsTable();
std::span<const std::uint32_t> AdobeTable();
std::span<const std::uint32_t> VisiBoneOneTable();
std::span<const std::uint32_t> VisiBoneTwoTable();
std::span<const std::uint32_t> WindowsXpTable();
std::span<const std::uint32_t> WindowsXpIconsTable();

}  // namespace palettes
