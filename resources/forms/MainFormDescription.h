#pragma once
// The main window's description: constant data, read while the window is built.
#include <array>
#include <string_view>

#include "forms/SharedParts.h"
#include "framework/FormDescription.h"
#include "palettes/PaletteCatalogue.h"

namespace forms::main_form {

using namespace fw;
using palettes::kPaletteEntries;
using palettes::PaletteGroup;

// A name made from two parts as the program is built (a chart's handler, its shortcut).
struct TBuiltName {
    char text[32]{};
    std::size_t size = 0;
    constexpr std::string_view View() const { return {text, size}; }
};

constexpr TBuiltName Concatenated(std::string_view first, std::string_view second) {
    TBuiltName name;
    for (char c : first)
        name.text[name.size++] = c;
    for (char c : second)
        name.text[name.size++] = c;
    return name;
}

template <typename Make>
constexpr std::array<TBuiltName, kPaletteEntries.size()> ForEachChart(Make make) {
    std::array<TBuiltName, kPaletteEntries.size()> names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = make(kPaletteEntries[i]);
    return names;
}

// Each chart's menu item and image answer to a handler named after them.
inline constexpr auto kItemHandlers =
    ForEachChart([](const palettes::PaletteEntry& e) { return Concatenated(e.menuItem, "Click"); });
inline constexpr auto kImageHandlers =
    ForEachChart([](const palettes::PaletteEntry& e) { return Concatenated(e.identifier, "Click"); });
inline constexpr auto kShortCuts = ForEachChart([](const palettes::PaletteEntry& e) {
    const char key[] = {'F', static_cast<char>('0' + e.shortcut.functionKey), '\0'};
    return Concatenated(e.shortcut.ctrl ? "Ctrl+" : "", key);
});

constexpr std::size_t ChartItemCount(PaletteGroup group) {
    std::size_t count = 0;
    for (const palettes::PaletteEntry& e : kPaletteEntries) {
        if (e.group == group)
            count += e.separatorBefore.empty() ? 1 : 2;
    }
    return count;
}

// The chart items of one submenu, straight from the catalogue; the web colours are checked.
template <PaletteGroup group>
constexpr std::array<TMenuItemDesc, ChartItemCount(group)> ChartItems() {
    std::array<TMenuItemDesc, ChartItemCount(group)> items{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < kPaletteEntries.size(); ++i) {
        const palettes::PaletteEntry& e = kPaletteEntries[i];
        if (e.group != group)
            continue;
        if (!e.separatorBefore.empty())
            items[n++] = {.name = e.separatorBefore, .caption = "-"};
        items[n++] = {.name = e.menuItem,
                      .caption = e.menuCaption,
                      .shortCut = kShortCuts[i].View(),
                      .radioItem = true,
                      .autoCheck = true,
                      .groupIndex = 1,
                      .checked = e.identifier == "palWeb",
                      .onClick = kItemHandlers[i].View()};
    }
    return items;
}

inline constexpr auto kPaletteItems = ChartItems<PaletteGroup::Palette>();
inline constexpr auto kSchemeItems = ChartItems<PaletteGroup::Scheme>();

inline constexpr TMenuItemDesc kFileItems[] = {{.name = "Close1", .caption = "E&xit", .onClick = "Close1Click"}};

inline constexpr TMenuItemDesc kOptionsItems[] = {
    {.name = "Pickcolorfromthescreen1",
     .caption = "Select color from the &screen",
     .shortCut = "Ctrl+S",
     .onClick = "Pickcolorfromthescreen1Click"},
    {.name = "Pickcolorfromthe1",
     .caption = "Select color from the &picker",
     .shortCut = "Ctrl+P",
     .onClick = "Pickcolorfromthe1Click"},
    {.name = "N1", .caption = "-"},
    {.name = "Pickcolorfromthepalette1", .caption = "Display color p&alette", .items = kPaletteItems},
    {.name = "Displaycolorscheme1", .caption = "Display color s&cheme", .items = kSchemeItems},
    {.name = "N4", .caption = "-"},
    {.name = "Hidemainwindow2",
     .caption = "&Hide main window",
     .shortCut = "Ctrl+M",
     .onClick = "Hidemainwindow2Click"},
    {.name = "N5", .caption = "-"},
    {.name = "Preferences1", .caption = "Pre&ferences", .shortCut = "Ctrl+O", .onClick = "Preferences1Click"},
};

inline constexpr TMenuItemDesc kHelpItems[] = {
    {.name = "Contents1", .caption = "&Contents", .shortCut = "Ctrl+H", .onClick = "Contents1Click"},
    {.name = "N8", .caption = "-"},
    {.name = "webColorsOnLine1", .caption = "Huetrove &online ...", .onClick = "webColorsOnLine1Click"},
    {.name = "N9", .caption = "-"},
    {.name = "About1", .caption = "&About ...", .onClick = "About1Click"},
};

inline constexpr TMenuItemDesc kMenuBar[] = {
    {.name = "File1", .caption = "&File", .items = kFileItems},
    {.name = "View1", .caption = "&Options", .items = kOptionsItems},
    {.name = "Help1", .caption = "&Help", .items = kHelpItems},
};

inline constexpr TMenuItemDesc kTrayItems[] = {
    {.name = "Pickscreencolor1", .caption = "Select &color from the screen", .onClick = "Pickscreencolor1Click"},
    {.name = "Selectcolorfromthepicker1",
     .caption = "Select c&olor from the picker",
     .onClick = "Selectcolorfromthepicker1Click"},
    {.name = "N3", .caption = "-"},
    {.name = "Showmainwindow1", .caption = "&Show main window", .onClick = "Showmainwindow1Click"},
    {.name = "Hidemainwindow1", .caption = "&Hide main window", .onClick = "Hidemainwindow1Click"},
    {.name = "N2", .caption = "-"},
    {.name = "Exit2", .caption = "&Close Huetrove", .onClick = "Exit2Click"},
};

inline constexpr TMenuItemDesc kHtmlItems[] = {
    {.name = "Copytoclipboard1", .caption = "&Copy to clipboard", .onClick = "Copytoclipboard1Click"}};

inline constexpr TMenuDesc kMenus[] = {
    {.name = "MainMenu1", .items = kMenuBar},
    {.name = "PopupMenu", .popup = true, .onPopup = "PopupMenuPopup", .items = kTrayItems},
    {.name = "HTMLColorPopup", .popup = true, .items = kHtmlItems},
};

inline constexpr TFontDesc kHtmlFont{.name = "Tahoma", .size = 8, .bold = true};
inline constexpr TFontDesc kCaptionFont{.name = "Tahoma", .height = 9, .color = clAppWorkSpace};

constexpr TControlDesc DecimalBox(std::string_view name, int left, std::string_view hint) {
    return TControlDesc{.name = name,
                        .kind = TControlKind::RichEdit,
                        .left = left,
                        .top = 30,
                        .width = 30,
                        .height = 16,
                        .text = "255",
                        .font = &kTahoma8,
                        .color = clBtnFace,
                        .hint = hint,
                        .readOnly = true,
                        .centered = true,
                        .maxLength = 3};
}

inline constexpr std::array<TControlDesc, 8> kDisplay = {{
    {.name = "Bevel3", .kind = TControlKind::Bevel, .height = 3, .alignTop = true},
    {.name = "HTMLColorEdit",
     .kind = TControlKind::RichEdit,
     .left = 10,
     .top = 12,
     .width = 94,
     .height = 16,
     .font = &kHtmlFont,
     .color = clInfoBk,
     .hint = "Selected color HTML value",
     .readOnly = true,
     .centered = true,
     .onChange = "HTMLColorEditChange",
     .popupMenu = "HTMLColorPopup"},
    DecimalBox("RColorEdit", 10, "Selected color red value"),
    DecimalBox("GColorEdit", 42, "Selected color green value"),
    DecimalBox("BColorEdit", 74, "Selected color blue value"),
    {.name = "ColorPanel",
     .kind = TControlKind::Panel,
     .left = 108,
     .top = 12,
     .width = 34,
     .height = 34,
     .color = clBackground,
     .hint = "Selected color display",
     .bevelInner = TBevelCut::bvLowered,
     .onClick = "ColorPanelClick"},
    {.name = "PalettePanel",
     .kind = TControlKind::Panel,
     .left = 10,
     .top = 56,
     .width = 131,
     .height = 185,
     .bevelOuter = TBevelCut::bvLowered},
    {.name = "PaletteName",
     .kind = TControlKind::Label,
     .left = 12,
     .top = 242,
     .text = "PaletteName",
     .font = &kCaptionFont,
     .autoSize = true},
}};

// The ten chart images inside the palette panel; only the web colours show at first.
constexpr std::array<TControlDesc, kPaletteEntries.size()> ChartImages() {
    std::array<TControlDesc, kPaletteEntries.size()> images{};
    for (std::size_t i = 0; i < images.size(); ++i) {
        const palettes::PaletteEntry& e = kPaletteEntries[i];
        images[i] = {.name = e.identifier,
                     .kind = TControlKind::Image,
                     .parent = "PalettePanel",
                     .left = 1,
                     .top = 1,
                     .width = palettes::kImageWidth,
                     .height = e.imageHeight,
                     .cursor = crCross,
                     .visible = e.identifier == "palWeb",
                     .autoSize = true,
                     .onClick = kImageHandlers[i].View()};
    }
    return images;
}

inline constexpr auto kControls = Joined(kDisplay, ChartImages());

}  // namespace forms::main_form

namespace forms {

inline constexpr fw::TFormDesc kMainForm = {
    .name = "MainForm",
    .caption = "Huetrove",
    .border = fw::TBorderStyle::bsToolWindow,
    .minimizeBox = true,
    .left = 1118,
    .top = 640,
    .clientWidth = 150,
    .clientHeight = 293,
    .color = fw::clBtnFace,
    .font = kTahoma8,
    .showHint = true,
    .menu = "MainMenu1",
    .onCreate = "FormCreate",
    .onActivate = "FormActivate",
    .onClose = "FormClose",
    .onDpiChanged = "FormDpiChanged",
    .menus = main_form::kMenus,
    .controls = main_form::kControls,
};

static_assert(fw::PartsResolve(kMainForm));

}  // namespace forms
