#pragma once
// The main window's description: constant data, read while the window is built.
#include <algorithm>
#include <array>
#include <string_view>

#include "framework/FormDescription.h"
#include "main/Unit1.h"
#include "palettes/ChartCatalogue.h"
#include "shared/FormParts.h"

namespace forms::main_form {

using namespace fw;
using palettes::kChartEntries;
using palettes::ChartGroup;

// The main window's commands: the number each menu item sends (WM_COMMAND's low word),
// written once, here. A number seen in a message trace is one of these items.
enum TMainCommand : unsigned {
    cmClose1 = 100,
    cmPickcolorfromthescreen1 = 101,
    cmPickcolorfromthe1 = 102,
    cmHidemainwindow2 = 103,
    cmPreferences1 = 104,
    cmContents1 = 105,
    cmwebColorsOnLine1 = 106,
    cmAbout1 = 107,
    // The chart items, in catalogue order.
    cmMpalWeb = 110,
    cmMpalWebHue = 111,
    cmMpalWebSafe = 112,
    cmMpalWindows = 113,
    cmMpalMac = 114,
    cmMpalAdobe = 115,
    cmMpalVB1 = 116,
    cmMpalVB2 = 117,
    cmMschWXP = 118,
    cmMschXP = 119,
    // The tray icon's menu.
    cmPickscreencolor1 = 120,
    cmSelectcolorfromthepicker1 = 121,
    cmShowmainwindow1 = 122,
    cmHidemainwindow1 = 123,
    cmExit2 = 124,
    // The HTML box's menu.
    cmCopytoclipboard1 = 130,
};

// Each chart's menu item and image, in catalogue order: the fields that hold them, the
// item's command, and what they run. The item shows or hides its chart, a click on the
// image picks the colour under the pointer.
struct TChartParts {
    std::string_view identifier;
    unsigned command;
    fw::TMenuItem* TMainForm::*item;
    fw::TImage* TMainForm::*image;
    TField itemField;
    TField imageField;
    TEventHandler onItem;
    TEventHandler onImage;
};

template <auto item, auto image, auto onItem, auto onImage>
constexpr TChartParts Chart(std::string_view identifier, unsigned command) {
    return {identifier, command, item, image, Field<item>, Field<image>, Handler<onItem>, Handler<onImage>};
}

// clang-format off
inline constexpr TChartParts kCharts[] = {
    Chart<&TMainForm::MpalWeb, &TMainForm::palWeb, &TMainForm::MpalWebClick, &TMainForm::palWebClick>(
        "palWeb", cmMpalWeb),
    Chart<&TMainForm::MpalWebHue, &TMainForm::palWebHue, &TMainForm::MpalWebHueClick, &TMainForm::palWebHueClick>(
        "palWebHue", cmMpalWebHue),
    Chart<&TMainForm::MpalWebSafe, &TMainForm::palWebSafe, &TMainForm::MpalWebSafeClick, &TMainForm::palWebSafeClick>(
        "palWebSafe", cmMpalWebSafe),
    Chart<&TMainForm::MpalWindows, &TMainForm::palWindows, &TMainForm::MpalWindowsClick, &TMainForm::palWindowsClick>(
        "palWindows", cmMpalWindows),
    Chart<&TMainForm::MpalMac, &TMainForm::palMac, &TMainForm::MpalMacClick, &TMainForm::palMacClick>(
        "palMac", cmMpalMac),
    Chart<&TMainForm::MpalAdobe, &TMainForm::palAdobe, &TMainForm::MpalAdobeClick, &TMainForm::palAdobeClick>(
        "palAdobe", cmMpalAdobe),
    Chart<&TMainForm::MpalVB1, &TMainForm::palVB1, &TMainForm::MpalVB1Click, &TMainForm::palVB1Click>(
        "palVB1", cmMpalVB1),
    Chart<&TMainForm::MpalVB2, &TMainForm::palVB2, &TMainForm::MpalVB2Click, &TMainForm::palVB2Click>(
        "palVB2", cmMpalVB2),
    Chart<&TMainForm::MschWXP, &TMainForm::schWXP, &TMainForm::MschWXPClick, &TMainForm::schWXPClick>(
        "schWXP", cmMschWXP),
    Chart<&TMainForm::MschXP, &TMainForm::schXP, &TMainForm::MschXPClick, &TMainForm::schXPClick>(
        "schXP", cmMschXP),
};
// clang-format on
static_assert(
    std::ranges::equal(kCharts, kChartEntries, {}, &TChartParts::identifier, &palettes::ChartEntry::identifier));

// F1..F8 for the palettes, Ctrl+F1 and Ctrl+F2 for the schemes.
constexpr std::string_view ChartShortCut(palettes::ChartKey key) {
    constexpr std::string_view kPlain[] = {"", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8"};
    constexpr std::string_view kCtrl[] = {"",        "Ctrl+F1", "Ctrl+F2", "Ctrl+F3", "Ctrl+F4",
                                          "Ctrl+F5", "Ctrl+F6", "Ctrl+F7", "Ctrl+F8"};
    return (key.ctrl ? kCtrl : kPlain)[key.functionKey];
}

constexpr std::size_t ChartItemCount(ChartGroup group) {
    std::size_t count = 0;
    for (const palettes::ChartEntry& e : kChartEntries) {
        if (e.group == group)
            count += e.separatorBefore.empty() ? 1 : 2;
    }
    return count;
}

// The chart items of one submenu, straight from the catalogue; the web colours are checked.
template <ChartGroup group>
constexpr std::array<TMenuItemDesc, ChartItemCount(group)> ChartItems() {
    std::array<TMenuItemDesc, ChartItemCount(group)> items{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < kChartEntries.size(); ++i) {
        const palettes::ChartEntry& e = kChartEntries[i];
        if (e.group != group)
            continue;
        if (!e.separatorBefore.empty())
            items[n++] = {.name = e.separatorBefore, .caption = "-"};
        items[n++] = {.name = e.menuItem,
                      .field = kCharts[i].itemField,
                      .caption = e.menuCaption,
                      .shortCut = ChartShortCut(e.shortcut),
                      .radioItem = true,
                      .autoCheck = true,
                      .groupIndex = 1,
                      .checked = e.identifier == "palWeb",
                      .command = kCharts[i].command,
                      .onClick = kCharts[i].onItem};
    }
    return items;
}

inline constexpr auto kPaletteItems = ChartItems<ChartGroup::Palette>();
inline constexpr auto kSchemeItems = ChartItems<ChartGroup::Scheme>();

// The submenu of a group's chart items, as the catalogue names it.
constexpr TMenuItemDesc ChartSubmenu(const palettes::GroupSubmenu& submenu, TList<TMenuItemDesc> items) {
    return {.name = submenu.name, .caption = submenu.caption, .items = items};
}

// A menu item that runs a command: no check mark, no submenu.
constexpr TMenuItemDesc MenuCommand(std::string_view name,
                                    unsigned command,
                                    std::string_view caption,
                                    TEventHandler onClick,
                                    std::string_view shortCut = {},
                                    TField field = {}) {
    return {
        .name = name, .field = field, .caption = caption, .shortCut = shortCut, .command = command, .onClick = onClick};
}

inline constexpr TMenuItemDesc kFileItems[] = {
    MenuCommand("Close1", cmClose1, "E&xit", Handler<&TMainForm::Close1Click>)};

inline constexpr TMenuItemDesc kOptionsItems[] = {
    MenuCommand("Pickcolorfromthescreen1",
                cmPickcolorfromthescreen1,
                "Select color from the &screen",
                Handler<&TMainForm::Pickcolorfromthescreen1Click>,
                "Ctrl+S"),
    MenuCommand("Pickcolorfromthe1",
                cmPickcolorfromthe1,
                "Select color from the &picker",
                Handler<&TMainForm::Pickcolorfromthe1Click>,
                "Ctrl+P"),
    {.name = "N1", .caption = "-"},
    ChartSubmenu(palettes::kGroupSubmenus[0], kPaletteItems),
    ChartSubmenu(palettes::kGroupSubmenus[1], kSchemeItems),
    {.name = "N4", .caption = "-"},
    MenuCommand("Hidemainwindow2",
                cmHidemainwindow2,
                "&Hide main window",
                Handler<&TMainForm::Hidemainwindow2Click>,
                "Ctrl+M"),
    {.name = "N5", .caption = "-"},
    MenuCommand("Preferences1", cmPreferences1, "Pre&ferences", Handler<&TMainForm::Preferences1Click>, "Ctrl+O"),
};

inline constexpr TMenuItemDesc kHelpItems[] = {
    MenuCommand("Contents1", cmContents1, "&Contents", Handler<&TMainForm::Contents1Click>, "Ctrl+H"),
    {.name = "N8", .caption = "-"},
    MenuCommand("webColorsOnLine1",
                cmwebColorsOnLine1,
                "Huetrove &online ...",
                Handler<&TMainForm::webColorsOnLine1Click>),
    {.name = "N9", .caption = "-"},
    MenuCommand("About1", cmAbout1, "&About ...", Handler<&TMainForm::About1Click>),
};

inline constexpr TMenuItemDesc kMenuBar[] = {
    {.name = "File1", .caption = "&File", .items = kFileItems},
    {.name = "View1", .caption = "&Options", .items = kOptionsItems},
    {.name = "Help1", .caption = "&Help", .items = kHelpItems},
};

inline constexpr TMenuItemDesc kTrayItems[] = {
    MenuCommand("Pickscreencolor1",
                cmPickscreencolor1,
                "Select &color from the screen",
                Handler<&TMainForm::Pickscreencolor1Click>),
    MenuCommand("Selectcolorfromthepicker1",
                cmSelectcolorfromthepicker1,
                "Select c&olor from the picker",
                Handler<&TMainForm::Selectcolorfromthepicker1Click>),
    {.name = "N3", .caption = "-"},
    MenuCommand("Showmainwindow1",
                cmShowmainwindow1,
                "&Show main window",
                Handler<&TMainForm::Showmainwindow1Click>,
                {},
                Field<&TMainForm::Showmainwindow1>),
    MenuCommand("Hidemainwindow1",
                cmHidemainwindow1,
                "&Hide main window",
                Handler<&TMainForm::Hidemainwindow1Click>,
                {},
                Field<&TMainForm::Hidemainwindow1>),
    {.name = "N2", .caption = "-"},
    MenuCommand("Exit2", cmExit2, "&Close Huetrove", Handler<&TMainForm::Exit2Click>),
};

inline constexpr TMenuItemDesc kHtmlItems[] = {MenuCommand("Copytoclipboard1",
                                                           cmCopytoclipboard1,
                                                           "&Copy to clipboard",
                                                           Handler<&TMainForm::Copytoclipboard1Click>)};

inline constexpr TMenuDesc kMenus[] = {
    {.name = "MainMenu1", .field = Field<&TMainForm::MainMenu1>, .items = kMenuBar},
    {.name = "PopupMenu",
     .field = Field<&TMainForm::PopupMenu>,
     .popup = true,
     .onPopup = Handler<&TMainForm::PopupMenuPopup>,
     .items = kTrayItems},
    {.name = "HTMLColorPopup", .field = Field<&TMainForm::HTMLColorPopup>, .popup = true, .items = kHtmlItems},
};

inline constexpr TFontDesc kHtmlFont{.name = "Tahoma", .size = 8, .bold = true};
inline constexpr TFontDesc kCaptionFont{.name = "Tahoma", .height = 9, .color = clAppWorkSpace};

constexpr TControlDesc DecimalBox(std::string_view name, TField field, int left, std::string_view hint) {
    return TControlDesc{.name = name,
                        .field = field,
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
                        .maxLength = 3,
                        .onCopy = Handler<&TMainForm::CopyKey>};
}

inline constexpr std::array<TControlDesc, 8> kDisplay = {{
    {.name = "Bevel3", .field = Field<&TMainForm::Bevel3>, .kind = TControlKind::Bevel, .height = 3, .alignTop = true},
    {.name = "HTMLColorEdit",
     .field = Field<&TMainForm::HTMLColorEdit>,
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
     .onCopy = Handler<&TMainForm::CopyKey>,
     .contextMenu = "HTMLColorPopup"},
    DecimalBox("RColorEdit", Field<&TMainForm::RColorEdit>, 10, "Selected color red value"),
    DecimalBox("GColorEdit", Field<&TMainForm::GColorEdit>, 42, "Selected color green value"),
    DecimalBox("BColorEdit", Field<&TMainForm::BColorEdit>, 74, "Selected color blue value"),
    {.name = "ColorPanel",
     .field = Field<&TMainForm::ColorPanel>,
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
     .field = Field<&TMainForm::PalettePanel>,
     .kind = TControlKind::Panel,
     .left = 10,
     .top = 56,
     .width = 131,
     .height = 185,
     .bevelOuter = TBevelCut::bvLowered},
    {.name = "PaletteName",
     .field = Field<&TMainForm::PaletteName>,
     .kind = TControlKind::Label,
     .left = 12,
     .top = 242,
     .text = "PaletteName",
     .font = &kCaptionFont},
}};

// The ten chart images inside the palette panel; only the web colours show at first.
constexpr std::array<TControlDesc, kChartEntries.size()> ChartImages() {
    std::array<TControlDesc, kChartEntries.size()> images{};
    for (std::size_t i = 0; i < images.size(); ++i) {
        const palettes::ChartEntry& e = kChartEntries[i];
        images[i] = {.name = e.identifier,
                     .field = kCharts[i].imageField,
                     .kind = TControlKind::Image,
                     .parent = "PalettePanel",
                     .left = 1,
                     .top = 1,
                     .width = palettes::kImageWidth,
                     .height = e.imageHeight,
                     .cursor = crCross,
                     .visible = e.identifier == "palWeb",
                     .onClick = kCharts[i].onImage};
    }
    return images;
}

inline constexpr auto kControls = Joined(kDisplay, ChartImages());

// The code without the mouse: the box's menu opens with the keyboard's menu keys, and
// both copy keys copy as the menu's item does, unless a box with the focus has a selection.
// WM_COPY sent to a box copies the same way (the boxes' onCopy).
inline constexpr TKeyDesc kKeys[] = {
    {"Shift+F10", Handler<&TMainForm::HTMLColorEditMenuKey>},
    {"Apps", Handler<&TMainForm::HTMLColorEditMenuKey>},
    {"Ctrl+C", Handler<&TMainForm::CopyKey>},
    {"Ctrl+Ins", Handler<&TMainForm::CopyKey>},
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

static_assert(fw::PartsResolve(kMainForm), "a name, field or command of the description does not fit");

}  // namespace forms
