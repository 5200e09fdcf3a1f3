#include <string>

#include "forms/FormDescriptions.h"
#include "forms/SharedParts.h"
#include "palettes/PaletteCatalogue.h"

using namespace fw;

namespace {

TControlDesc DecimalBox(const char* name, int left, const char* hint) {
    return TControlDesc{.name = name,
                        .kind = TControlKind::RichEdit,
                        .left = left,
                        .top = 30,
                        .width = 30,
                        .height = 16,
                        .text = "255",
                        .font = Tahoma8(),
                        .color = clBtnFace,
                        .hint = hint,
                        .readOnly = true,
                        .centered = true,
                        .maxLength = 3};
}

// The chart items of one submenu, straight from the catalogue.
std::vector<TMenuItemDesc> ChartItems(palettes::PaletteGroup group) {
    std::vector<TMenuItemDesc> items;
    for (const palettes::PaletteEntry& e : palettes::PaletteCatalogue()) {
        if (e.group != group)
            continue;
        if (!e.separatorBefore.empty())
            items.push_back({.name = std::string(e.separatorBefore), .caption = "-"});
        std::string key = "F" + std::to_string(e.shortcut.functionKey);
        items.push_back({.name = std::string(e.menuItem),
                         .caption = std::string(e.menuCaption),
                         .shortCut = e.shortcut.ctrl ? "Ctrl+" + key : key,
                         .radioItem = true,
                         .autoCheck = true,
                         .groupIndex = 1,
                         .checked = e.identifier == "palWeb",
                         .onClick = std::string(e.menuItem) + "Click"});
    }
    return items;
}

// The ten chart images inside the palette panel; only the web colours show at first.
std::vector<TControlDesc> ChartImages() {
    std::vector<TControlDesc> images;
    for (const palettes::PaletteEntry& e : palettes::PaletteCatalogue()) {
        images.push_back({.name = std::string(e.identifier),
                          .kind = TControlKind::Image,
                          .parent = "PalettePanel",
                          .left = 1,
                          .top = 1,
                          .width = palettes::kImageWidth,
                          .height = e.imageHeight,
                          .cursor = crCross,
                          .visible = e.identifier == "palWeb",
                          .autoSize = true,
                          .onClick = std::string(e.identifier) + "Click"});
    }
    return images;
}

TFormDesc Build() {
    TFormDesc d{
        .name = "MainForm",
        .caption = "Huetrove",
        .border = TBorderStyle::bsToolWindow,
        .minimizeBox = true,
        .left = 1118,
        .top = 640,
        .clientWidth = 150,
        .clientHeight = 293,
        .color = clBtnFace,
        .font = Tahoma8(),
        .showHint = true,
        .menu = "MainMenu1",
        .onCreate = "FormCreate",
        .onActivate = "FormActivate",
        .onClose = "FormClose",
        .onDpiChanged = "FormDpiChanged",
    };
    d.menus = {
        {.name = "MainMenu1",
         .items =
             {
                 {.name = "File1",
                  .caption = "&File",
                  .items = {{.name = "Close1", .caption = "E&xit", .onClick = "Close1Click"}}},
                 {.name = "View1",
                  .caption = "&Options",
                  .items =
                      {
                          {.name = "Pickcolorfromthescreen1",
                           .caption = "Select color from the &screen",
                           .shortCut = "Ctrl+S",
                           .onClick = "Pickcolorfromthescreen1Click"},
                          {.name = "Pickcolorfromthe1",
                           .caption = "Select color from the &picker",
                           .shortCut = "Ctrl+P",
                           .onClick = "Pickcolorfromthe1Click"},
                          {.name = "N1", .caption = "-"},
                          {.name = "Pickcolorfromthepalette1",
                           .caption = "Display color p&alette",
                           .items = ChartItems(palettes::PaletteGroup::Palette)},
                          {.name = "Displaycolorscheme1",
                           .caption = "Display color s&cheme",
                           .items = ChartItems(palettes::PaletteGroup::Scheme)},
                          {.name = "N4", .caption = "-"},
                          {.name = "Hidemainwindow2",
                           .caption = "&Hide main window",
                           .shortCut = "Ctrl+M",
                           .onClick = "Hidemainwindow2Click"},
                          {.name = "N5", .caption = "-"},
                          {.name = "Preferences1",
                           .caption = "Pre&ferences",
                           .shortCut = "Ctrl+O",
                           .onClick = "Preferences1Click"},
                      }},
                 {.name = "Help1",
                  .caption = "&Help",
                  .items =
                      {
                          {.name = "Contents1",
                           .caption = "&Contents",
                           .shortCut = "Ctrl+H",
                           .onClick = "Contents1Click"},
                          {.name = "N8", .caption = "-"},
                          {.name = "webColorsOnLine1",
                           .caption = "Huetrove &online ...",
                           .onClick = "webColorsOnLine1Click"},
                          {.name = "N9", .caption = "-"},
                          {.name = "About1", .caption = "&About ...", .onClick = "About1Click"},
                      }},
             }},
        {.name = "PopupMenu",
         .popup = true,
         .onPopup = "PopupMenuPopup",
         .items =
             {
                 {.name = "Pickscreencolor1",
                  .caption = "Select &color from the screen",
                  .onClick = "Pickscreencolor1Click"},
                 {.name = "Selectcolorfromthepicker1",
                  .caption = "Select c&olor from the picker",
                  .onClick = "Selectcolorfromthepicker1Click"},
                 {.name = "N3", .caption = "-"},
                 {.name = "Showmainwindow1", .caption = "&Show main window", .onClick = "Showmainwindow1Click"},
                 {.name = "Hidemainwindow1", .caption = "&Hide main window", .onClick = "Hidemainwindow1Click"},
                 {.name = "N2", .caption = "-"},
                 {.name = "Exit2", .caption = "&Close Huetrove", .onClick = "Exit2Click"},
             }},
        {.name = "HTMLColorPopup",
         .popup = true,
         .items = {{.name = "Copytoclipboard1", .caption = "&Copy to clipboard", .onClick = "Copytoclipboard1Click"}}},
    };
    d.controls = {
        {.name = "Bevel3", .kind = TControlKind::Bevel, .height = 3, .alignTop = true},
        {.name = "HTMLColorEdit",
         .kind = TControlKind::RichEdit,
         .left = 10,
         .top = 12,
         .width = 94,
         .height = 16,
         .font = TFontDesc{.name = "Tahoma", .size = 8, .bold = true},
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
         .font = TFontDesc{.name = "Tahoma", .height = 9, .color = clAppWorkSpace},
         .autoSize = true},
    };
    for (TControlDesc& image : ChartImages())
        d.controls.push_back(std::move(image));
    return d;
}

}  // namespace

const TFormDesc& MainFormDescription() {
    static const TFormDesc description = Build();
    return description;
}
