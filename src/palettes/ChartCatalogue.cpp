#include "palettes/ChartCatalogue.h"

#include <array>

namespace palettes {

namespace {

using enum ChartGroup;

constexpr std::array<std::string_view, 10> kHideAllOrder = {
    "palAdobe", "palMac", "palVB1", "palVB2", "palWeb", "palWebHue", "palWebSafe", "palWindows", "schXP", "schWXP",
};

// The first eight of the hide order are the palettes, the last two the schemes, each in match order.
constexpr std::span<const std::string_view> kPaletteMatchOrder{kHideAllOrder.data(), 8};
constexpr std::span<const std::string_view> kSchemeMatchOrder{kHideAllOrder.data() + 8, 2};

}  // namespace

std::span<const ChartEntry> ChartCatalogue() {
    return kChartEntries;
}

const ChartEntry* FindChart(std::string_view identifier) {
    for (const ChartEntry& entry : kChartEntries) {
        if (entry.identifier == identifier)
            return &entry;
    }
    return nullptr;
}

std::span<const std::string_view> HideAllOrder() {
    return kHideAllOrder;
}

std::span<const std::string_view> MatchOrder(ChartGroup group) {
    return group == Palette ? kPaletteMatchOrder : kSchemeMatchOrder;
}

}  // namespace palettes
