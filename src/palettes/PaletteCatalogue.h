#pragma once
// The ten colour charts the main window can show: what each is called, where its
// menu item sits, and the size of its image. Portable: no windows.h here.
#include <span>
#include <string_view>

namespace palettes {

enum class PaletteGroup { Palette, Scheme };

// F1..F8 for palettes, Ctrl+F1 and Ctrl+F2 for schemes; the window side maps the
// number onto its own key codes.
struct PaletteShortcut {
    int functionKey = 0;  // 1 for F1, 2 for F2, ...
    bool ctrl = false;
};

// Sizes at 96 DPI; PaletteImage.h scales them for other DPIs.
inline constexpr int kImageWidth = 129;
inline constexpr int kPalettePitch = 8;
inline constexpr int kSchemePitch = 16;

struct PaletteEntry {
    std::string_view identifier;  // image name, ShowPalette/ShowScheme argument, stored ActivePS value
    PaletteGroup group;
    std::string_view caption;      // shown in PaletteName
    std::string_view menuItem;     // control name of the radio item
    std::string_view menuCaption;  // & marks the access key
    PaletteShortcut shortcut;
    std::string_view separatorBefore;  // name of the separator above the item in its submenu, or empty
    int imageHeight;
    int rows;
    int columns;

    int Pitch() const { return group == PaletteGroup::Palette ? kPalettePitch : kSchemePitch; }
    int CellCount() const { return rows * columns; }
};

// The submenu of the "&Options" menu that holds a group's items.
struct PaletteSubmenu {
    PaletteGroup group;
    std::string_view name;
    std::string_view caption;
};

// All ten entries in menu order: the palette submenu's items, then the scheme submenu's.
std::span<const PaletteEntry> PaletteCatalogue();

// The two submenus, palette first, as they follow each other in the "&Options" menu.
std::span<const PaletteSubmenu> PaletteSubmenus();

// Exact, case-sensitive match of the whole identifier; nullptr when nothing matches.
const PaletteEntry* FindPaletteEntry(std::string_view identifier);

// The fixed order in which all ten images are hidden (and the visible one is looked for when saving).
std::span<const std::string_view> HideAllOrder();

// The order in which ShowPalette (Palette) or ShowScheme (Scheme) compares its argument.
std::span<const std::string_view> MatchOrder(PaletteGroup group);

}  // namespace palettes
