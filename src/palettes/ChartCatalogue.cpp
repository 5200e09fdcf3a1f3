#include "palettes/PaletteCatalogue.h"

#include <array>

namespace palettes {

namespace {

using enum PaletteGroup;

constexpr std::array<std::string_view, 10> kHideAllOrder = {
    "palAdobe", "palMac", "palVB1", "palVB2", "palWeb", "palWebHue", "palWebSafe", "palWindows", "schXP", "schWXP",
};

// The first eight of the hide order are the palettes, the last two the schemes, each in match order.
constexpr std::span<const std::string_view> kPaletteMatchOrder{kHideAllOrder.data(), 8};
constexpr std::span<const std::string_view> kSchemeMatchOrder{kHideAllOrder.data() + 8, 2};

}  // namespace

std::span<const PaletteEntry> PaletteCatalogue() {
    return kPaletteEntries;
}

const PaletteEntry* FindPaletteEntry(std::string_view identifier) {
    for (const PaletteEntry& entry : kPaletteEntries) {
        if (entry.identifier == identifier)
            return &entry;
    }
    return nullptr;
}

std::span<const std::string_view> HideAllOrder() {
    return kHideAllOrder;
}

std::span<const std::string_view> MatchOrder(PaletteGroup group) {
    return group == Palette ? kPaletteMatchOrder : kSchemeMatchOrder;
}

}  // namespace palettes
