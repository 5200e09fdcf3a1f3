#include "palettes/PaletteCatalogue.h"

#include <array>

namespace palettes {

namespace {

using enum PaletteGroup;

// "Macintosh sytem colors" is the caption as the program has always shown it.
// Columns: identifier, group, caption, menu item, menu caption, shortcut, separator above the item,
// image height, rows, columns.
// clang-format off
constexpr std::array<PaletteEntry, 10> kEntries = {{
    {"palWeb", Palette, "Web colors", "MpalWeb", "&1. Web colors", {1, false}, "", 177, 22, 16},
    {"palWebHue", Palette, "Web hue colors", "MpalWebHue", "2. Web hue colors", {2, false}, "", 113, 14, 16},
    {"palWebSafe", Palette, "Web safe colors", "MpalWebSafe", "&3. Web safe colors", {3, false}, "", 113, 14, 16},
    {"palWindows", Palette, "Windows system colors", "MpalWindows", "&4. Windows system", {4, false}, "N6", 129, 16,
     16},
    {"palMac", Palette, "Macintosh sytem colors", "MpalMac", "&5. Macintosh system", {5, false}, "", 129, 16, 16},
    {"palAdobe", Palette, "Adobe Photoshop colors", "MpalAdobe", "&6. Adobe Photoshop", {6, false}, "N7", 65, 8, 16},
    {"palVB1", Palette, "VisiBone One colors", "MpalVB1", "&7. VisiBone One", {7, false}, "", 169, 21, 16},
    {"palVB2", Palette, "VisiBone Two colors", "MpalVB2", "&8. VisiBone Two", {8, false}, "", 129, 16, 16},
    {"schWXP", Scheme, "Windows XP color scheme", "MschWXP", "&1. Windows XP scheme", {1, true}, "", 33, 2, 8},
    {"schXP", Scheme, "Windows XP Icons color scheme", "MschXP", "&2. Windows XP Icons scheme", {2, true}, "", 65, 4,
     8},
}};
// clang-format on

constexpr std::array<PaletteSubmenu, 2> kSubmenus = {{
    {Palette, "Pickcolorfromthepalette1", "Display color p&alette"},
    {Scheme, "Displaycolorscheme1", "Display color s&cheme"},
}};

constexpr std::array<std::string_view, 10> kHideAllOrder = {
    "palAdobe", "palMac", "palVB1", "palVB2", "palWeb", "palWebHue", "palWebSafe", "palWindows", "schXP", "schWXP",
};

// The first eight of the hide order are the palettes, the last two the schemes, each in match order.
constexpr std::span<const std::string_view> kPaletteMatchOrder{kHideAllOrder.data(), 8};
constexpr std::span<const std::string_view> kSchemeMatchOrder{kHideAllOrder.data() + 8, 2};

}  // namespace

std::span<const PaletteEntry> PaletteCatalogue() {
    return kEntries;
}

std::span<const PaletteSubmenu> PaletteSubmenus() {
    return kSubmenus;
}

const PaletteEntry* FindPaletteEntry(std::string_view identifier) {
    for (const PaletteEntry& entry : kEntries) {
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
