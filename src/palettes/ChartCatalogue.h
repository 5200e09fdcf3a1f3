#pragma once
// The ten colour charts the main window can show: what each is called, where its
// menu item sits, and the size of its image. Portable: no windows.h here.
#include <array>
#include <span>
#include <string_view>

namespace palettes {

enum class ChartGroup { Palette, Scheme };

// F1..F8 for palettes, Ctrl+F1 and Ctrl+F2 for schemes; the window side maps the
// number onto its own key codes.
struct ChartKey {
    int functionKey = 0;  // 1 for F1, 2 for F2, ...
    bool ctrl = false;
};

// Sizes at 96 DPI; ChartDrawing.h scales them for other DPIs.
inline constexpr int kImageWidth = 129;
inline constexpr int kPalettePitch = 8;
inline constexpr int kSchemePitch = 16;

struct ChartEntry {
    std::string_view identifier;  // image name, ShowPalette/ShowScheme argument, stored ActivePS value
    ChartGroup group;
    std::string_view caption;      // shown in PaletteName
    std::string_view menuItem;     // control name of the radio item
    std::string_view menuCaption;  // & marks the access key
    ChartKey shortcut;
    std::string_view separatorBefore;  // name of the separator above the item in its submenu, or empty
    int imageHeight;
    int rows;
    int columns;

    int Pitch() const { return group == ChartGroup::Palette ? kPalettePitch : kSchemePitch; }
    int CellCount() const { return rows * columns; }
};

// The submenu of the "&Options" menu that holds a group's items.
struct GroupSubmenu {
    ChartGroup group;
    std::string_view name;
    std::string_view caption;
};

// The two submenus, palette first, as they follow each other in the "&Options" menu.
inline constexpr std::array<GroupSubmenu, 2> kGroupSubmenus = {{
    {ChartGroup::Palette, "Pickcolorfromthepalette1", "Display color p&alette"},
    {ChartGroup::Scheme, "Displaycolorscheme1", "Display color s&cheme"},
}};

// All ten entries in menu order: the palette submenu's items, then the scheme submenu's.
// Constant data, so that the window descriptions can be made from it as the program is built.
// "Macintosh sytem colors" is the caption as the program has always shown it.
// Columns: identifier, group, caption, menu item, menu caption, shortcut, separator above the item,
// image height, rows, columns.
// clang-format off
inline constexpr std::array<ChartEntry, 10> kChartEntries = {{
    {"palWeb", ChartGroup::Palette, "Web colors", "MpalWeb", "&1. Web colors", {1, false}, "", 177, 22, 16},
    {"palWebHue", ChartGroup::Palette, "Web hue colors", "MpalWebHue", "2. Web hue colors", {2, false}, "", 113, 14, 16},
    {"palWebSafe", ChartGroup::Palette, "Web safe colors", "MpalWebSafe", "&3. Web safe colors", {3, false}, "", 113, 14, 16},
    {"palWindows", ChartGroup::Palette, "Windows system colors", "MpalWindows", "&4. Windows system", {4, false}, "N6", 129, 16,
     16},
    {"palMac", ChartGroup::Palette, "Macintosh sytem colors", "MpalMac", "&5. Macintosh system", {5, false}, "", 129, 16, 16},
    {"palAdobe", ChartGroup::Palette, "Adobe Photoshop colors", "MpalAdobe", "&6. Adobe Photoshop", {6, false}, "N7", 65, 8, 16},
    {"palVB1", ChartGroup::Palette, "VisiBone One colors", "MpalVB1", "&7. VisiBone One", {7, false}, "", 169, 21, 16},
    {"palVB2", ChartGroup::Palette, "VisiBone Two colors", "MpalVB2", "&8. VisiBone Two", {8, false}, "", 129, 16, 16},
    {"schWXP", ChartGroup::Scheme, "Windows XP color scheme", "MschWXP", "&1. Windows XP scheme", {1, true}, "", 33, 2, 8},
    {"schXP", ChartGroup::Scheme, "Windows XP Icons color scheme", "MschXP", "&2. Windows XP Icons scheme", {2, true}, "", 65, 4,
     8},
}};
// clang-format on

// Every chart, in menu order.
std::span<const ChartEntry> ChartCatalogue();

// Exact, case-sensitive match of the whole identifier; nullptr when nothing matches.
const ChartEntry* FindChart(std::string_view identifier);

// The fixed order in which all ten images are hidden before one is shown.
std::span<const std::string_view> HideAllOrder();

// The order in which ShowPalette (Palette) or ShowScheme (Scheme) compares its argument.
std::span<const std::string_view> MatchOrder(ChartGroup group);

}  // namespace palettes
