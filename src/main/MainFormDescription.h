#pragma once
// The main window's description: constant data, read while the window is built.
#include <array>
#include <string_view>

#include "framework/FormDescription.h"
#include "palettes/PaletteCatalogue.h"
#include "shared/FormParts.h"

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

// A menu item that runs a command: no check mark, no submenu.
constexpr TMenuItemDesc MenuCommand(std::string_view name,
                                    std::string_view caption,
                                    std::string_view onClick,
                                    std::string_view shortCut = {}) {
    return {.name = name, .caption = caption, .shortCut = shortCut, .onClick = onClick};
}

inline constexpr TMenuItemDesc kFileItems[] = {MenuCommand("Close1", "E&xit", "Close1Click")};

inline constexpr TMenuItemDesc kOptionsItems[] = {
    MenuCommand("Pickcolorfromthescreen1", "Select color from the &screen", "Pickcolorfromthescreen1Click", "Ctrl+S"),
    MenuCommand("Pickcolorfromthe1", "Select color from the &picker", "Pickcolorfromthe1Click", "Ctrl+P"),
    {.name = "N1", .caption = "-"},
    {.name = "Pickcolorfromthepalette1", .caption = "Display color p&alette", .items = kPaletteItems},
    {.name = "Displaycolorscheme1", .caption = "Display color s&cheme", .items = kSchemeItems},
    {.name = "N4", .caption = "-"},
    MenuCommand("Hidemainwindow2", "&Hide main window", "Hidemainwindow2Click", "Ctrl+M"),
    {.name = "N5", .caption = "-"},
    MenuCommand("Preferences1", "Pre&ferences", "Preferences1Click", "Ctrl+O"),
};

inline constexpr TMenuItemDesc kHelpItems[] = {
    MenuCommand("Contents1", "&Contents", "Contents1Click", "Ctrl+H"),
    {.name = "N8", .caption = "-"},
    MenuCommand("webColorsOnLine1", "Huetrove &online ...", "webColorsOnLine1Click"),
    {.name = "N9", .caption = "-"},
    MenuCommand("About1", "&About ...", "About1Click"),
};

inline constexpr TMenuItemDesc kMenuBar[] = {
    {.name = "File1", .caption = "&File", .items = kFileItems},
    {.name = "View1", .caption = "&Options", .items = kOptionsItems},
    {.name = "Help1", .caption = "&Help", .items = kHelpItems},
};

inline constexpr TMenuItemDesc kTrayItems[] = {
    MenuCommand("Pickscreencolor1", "Select &color from the screen", "Pickscreencolor1Click"),
    MenuCommand("Selectcolorfromthepicker1", "Select c&olor from the picker", "Selectcolorfromthepicker1Click"),
    {.name = "N3", .caption = "-"},
    MenuCommand("Showmainwindow1", "&Show main window", "Showmainwindow1Click"),
    MenuCommand("Hidemainwindow1", "&Hide main window", "Hidemainwindow1Click"),
    {.name = "N2", .caption = "-"},
    MenuCommand("Exit2", "&Close Huetrove", "Exit2Click"),
};

inline constexpr TMenuItemDesc kHtmlItems[] = {
    MenuCommand("Copytoclipboard1", "&Copy to clipboard", "Copytoclipboard1Click")};

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
