#pragma once
// The main window's description: constant data, read while the window is built.
#include <algorithm>
#include <array>
#include <string_view>

#include "framework/FormDescription.h"
#include "main/Unit1.h"
#include "palettes/PaletteCatalogue.h"
#include "shared/FormParts.h"

namespace forms::main_form {

using namespace fw;
using palettes::kPaletteEntries;
using palettes::PaletteGroup;

// What each chart's menu item and image run, in catalogue order: the item shows or
// hides its chart, a click on the image picks the colour under the pointer.
struct TChartHandlers {
    std::string_view identifier;
    TEventHandler onItem;
    TEventHandler onImage;
};
inline constexpr TChartHandlers kChartHandlers[] = {
    {"palWeb", Handler<&TMainForm::MpalWebClick>, Handler<&TMainForm::palWebClick>},
    {"palWebHue", Handler<&TMainForm::MpalWebHueClick>, Handler<&TMainForm::palWebHueClick>},
    {"palWebSafe", Handler<&TMainForm::MpalWebSafeClick>, Handler<&TMainForm::palWebSafeClick>},
    {"palWindows", Handler<&TMainForm::MpalWindowsClick>, Handler<&TMainForm::palWindowsClick>},
    {"palMac", Handler<&TMainForm::MpalMacClick>, Handler<&TMainForm::palMacClick>},
    {"palAdobe", Handler<&TMainForm::MpalAdobeClick>, Handler<&TMainForm::palAdobeClick>},
    {"palVB1", Handler<&TMainForm::MpalVB1Click>, Handler<&TMainForm::palVB1Click>},
    {"palVB2", Handler<&TMainForm::MpalVB2Click>, Handler<&TMainForm::palVB2Click>},
    {"schWXP", Handler<&TMainForm::MschWXPClick>, Handler<&TMainForm::schWXPClick>},
    {"schXP", Handler<&TMainForm::MschXPClick>, Handler<&TMainForm::schXPClick>},
};
static_assert(std::ranges::equal(kChartHandlers,
                                 kPaletteEntries,
                                 {},
                                 &TChartHandlers::identifier,
                                 &palettes::PaletteEntry::identifier));

// F1..F8 for the palettes, Ctrl+F1 and Ctrl+F2 for the schemes.
constexpr std::string_view ChartShortCut(palettes::PaletteShortcut key) {
    constexpr std::string_view kPlain[] = {"", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8"};
    constexpr std::string_view kCtrl[] = {"",        "Ctrl+F1", "Ctrl+F2", "Ctrl+F3", "Ctrl+F4",
                                          "Ctrl+F5", "Ctrl+F6", "Ctrl+F7", "Ctrl+F8"};
    return (key.ctrl ? kCtrl : kPlain)[key.functionKey];
}

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
                      .shortCut = ChartShortCut(e.shortcut),
                      .radioItem = true,
                      .autoCheck = true,
                      .groupIndex = 1,
                      .checked = e.identifier == "palWeb",
                      .onClick = kChartHandlers[i].onItem};
    }
    return items;
}

inline constexpr auto kPaletteItems = ChartItems<PaletteGroup::Palette>();
inline constexpr auto kSchemeItems = ChartItems<PaletteGroup::Scheme>();

// The submenu of a group's chart items, as the catalogue names it.
constexpr TMenuItemDesc ChartSubmenu(const palettes::PaletteSubmenu& submenu, TList<TMenuItemDesc> items) {
    return {.name = submenu.name, .caption = submenu.caption, .items = items};
}

// A menu item that runs a command: no check mark, no submenu.
constexpr TMenuItemDesc MenuCommand(std::string_view name,
                                    std::string_view caption,
                                    TEventHandler onClick,
                                    std::string_view shortCut = {}) {
    return {.name = name, .caption = caption, .shortCut = shortCut, .onClick = onClick};
}

inline constexpr TMenuItemDesc kFileItems[] = {MenuCommand("Close1", "E&xit", Handler<&TMainForm::Close1Click>)};

inline constexpr TMenuItemDesc kOptionsItems[] = {
    MenuCommand("Pickcolorfromthescreen1",
                "Select color from the &screen",
                Handler<&TMainForm::Pickcolorfromthescreen1Click>,
                "Ctrl+S"),
    MenuCommand("Pickcolorfromthe1",
                "Select color from the &picker",
                Handler<&TMainForm::Pickcolorfromthe1Click>,
                "Ctrl+P"),
    {.name = "N1", .caption = "-"},
    ChartSubmenu(palettes::kPaletteSubmenus[0], kPaletteItems),
    ChartSubmenu(palettes::kPaletteSubmenus[1], kSchemeItems),
    {.name = "N4", .caption = "-"},
    MenuCommand("Hidemainwindow2", "&Hide main window", Handler<&TMainForm::Hidemainwindow2Click>, "Ctrl+M"),
    {.name = "N5", .caption = "-"},
    MenuCommand("Preferences1", "Pre&ferences", Handler<&TMainForm::Preferences1Click>, "Ctrl+O"),
};

inline constexpr TMenuItemDesc kHelpItems[] = {
    MenuCommand("Contents1", "&Contents", Handler<&TMainForm::Contents1Click>, "Ctrl+H"),
    {.name = "N8", .caption = "-"},
    MenuCommand("webColorsOnLine1", "Huetrove &online ...", Handler<&TMainForm::webColorsOnLine1Click>),
    {.name = "N9", .caption = "-"},
    MenuCommand("About1", "&About ...", Handler<&TMainForm::About1Click>),
};

inline constexpr TMenuItemDesc kMenuBar[] = {
    {.name = "File1", .caption = "&File", .items = kFileItems},
    {.name = "View1", .caption = "&Options", .items = kOptionsItems},
    {.name = "Help1", .caption = "&Help", .items = kHelpItems},
};

inline constexpr TMenuItemDesc kTrayItems[] = {
    MenuCommand("Pickscreencolor1", "Select &color from the screen", Handler<&TMainForm::Pickscreencolor1Click>),
    MenuCommand("Selectcolorfromthepicker1",
                "Select c&olor from the picker",
                Handler<&TMainForm::Selectcolorfromthepicker1Click>),
    {.name = "N3", .caption = "-"},
    MenuCommand("Showmainwindow1", "&Show main window", Handler<&TMainForm::Showmainwindow1Click>),
    MenuCommand("Hidemainwindow1", "&Hide main window", Handler<&TMainForm::Hidemainwindow1Click>),
    {.name = "N2", .caption = "-"},
    MenuCommand("Exit2", "&Close Huetrove", Handler<&TMainForm::Exit2Click>),
};

inline constexpr TMenuItemDesc kHtmlItems[] = {
    MenuCommand("Copytoclipboard1", "&Copy to clipboard", Handler<&TMainForm::Copytoclipboard1Click>)};

inline constexpr TMenuDesc kMenus[] = {
    {.name = "MainMenu1", .items = kMenuBar},
    {.name = "PopupMenu", .popup = true, .onPopup = Handler<&TMainForm::PopupMenuPopup>, .items = kTrayItems},
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
     .centered = true,
     .onChange = Handler<&TMainForm::HTMLColorEditChange>,
     .contextMenu = "HTMLColorPopup"},
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
     .onClick = Handler<&TMainForm::ColorPanelClick>},
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
                     .onClick = kChartHandlers[i].onImage};
    }
    return images;
}

inline constexpr auto kControls = Joined(kDisplay, ChartImages());

// The code without the mouse: the box's menu opens with the keyboard's menu keys, and
// Ctrl+C copies as the menu's item does, unless a value box with the focus has a selection.
inline constexpr TKeyDesc kKeys[] = {
    {"Shift+F10", Handler<&TMainForm::HTMLColorEditMenuKey>},
    {"Apps", Handler<&TMainForm::HTMLColorEditMenuKey>},
    {"Ctrl+C", Handler<&TMainForm::CopyKey>},
};

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
    .onCreate = fw::Handler<&TMainForm::FormCreate>,
    .onActivate = fw::Handler<&TMainForm::FormActivate>,
    .onDpiChanged = fw::Handler<&TMainForm::FormDpiChanged>,
    .onClose = fw::Handler<&TMainForm::FormClose>,
    .menus = main_form::kMenus,
    .controls = main_form::kControls,
    .keys = main_form::kKeys,
};

static_assert(fw::PartsResolve(kMainForm));

}  // namespace forms
