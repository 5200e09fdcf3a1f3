#pragma once
// Pieces that several window descriptions share.
#include <array>

#include "framework/FormDescription.h"

inline constexpr fw::TFontDesc kTahoma8{.name = "Tahoma", .size = 8};

inline constexpr fw::TFontDesc kTitleFont{.name = "MS Sans Serif", .size = 8, .bold = true};

// The fields of a form that hold the title band's parts; a form names those it uses.
struct TTitleBandFields {
    fw::TField panel{};
    fw::TField image{};
    fw::TField label{};
    fw::TField bevel{};
};

// The white band across the top of the About and Preferences windows, with the
// program's icon and name, and the etched line under it.
constexpr std::array<fw::TControlDesc, 4> TitleBand(TTitleBandFields fields) {
    return {{
        {.name = "Panel1",
         .field = fields.panel,
         .kind = fw::TControlKind::Panel,
         .width = 327,
         .height = 51,
         .alignTop = true,
         .color = fw::clWindow,
         .tabOrder = 0,
         .bevelOuter = fw::TBevelCut::bvNone},
        {.name = "Image1",
         .field = fields.image,
         .kind = fw::TControlKind::Image,
         .parent = "Panel1",
         .left = 20,
         .top = 10,
         .width = 32,
         .height = 32,
         .picture = "MAINICON"},
        {.name = "Label1",
         .field = fields.label,
         .kind = fw::TControlKind::Label,
         .parent = "Panel1",
         .left = 70,
         .top = 20,
         .width = 48,
         .height = 13,
         .text = "Huetrove",
         .font = &kTitleFont},
        {.name = "Bevel1",
         .field = fields.bevel,
         .kind = fw::TControlKind::Bevel,
         .top = 51,
         .width = 327,
         .height = 4,
         .alignTop = true},
    }};
}

// A line of text that fits itself, 13 pixels high at 96 DPI in its font.
constexpr fw::TControlDesc TextLabel(std::string_view name,
                                     int left,
                                     int top,
                                     int width,
                                     std::string_view text,
                                     const fw::TFontDesc* font = nullptr,
                                     fw::TField field = {}) {
    return {.name = name,
            .field = field,
            .kind = fw::TControlKind::Label,
            .left = left,
            .top = top,
            .width = width,
            .height = 13,
            .text = text,
            .font = font};
}

// A dialog's own controls under the title band.
template <std::size_t N>
constexpr auto WithTitleBand(const TTitleBandFields& fields, const std::array<fw::TControlDesc, N>& own) {
    return fw::Joined(TitleBand(fields), own);
}

// An etched line across a window, drawn along the bevel's top edge.
constexpr fw::TControlDesc Line(std::string_view name,
                                int left,
                                int top,
                                int width,
                                int height,
                                fw::TField field = {}) {
    return {.name = name,
            .field = field,
            .kind = fw::TControlKind::Bevel,
            .left = left,
            .top = top,
            .width = width,
            .height = height};
}

// A push button on the bottom row of the About and Preferences windows.
constexpr fw::TControlDesc DialogButton(fw::TControlDesc button) {
    button.kind = fw::TControlKind::Button;
    button.top = 196;
    button.height = 25;
    return button;
}

// The frame of the About and Preferences windows, which open under the title band:
// the description completed with what the two share.
constexpr fw::TFormDesc TitledDialog(fw::TFormDesc form) {
    form.border = fw::TBorderStyle::bsToolWindow;
    form.clientWidth = 327;
    form.clientHeight = 233;
    form.font = kTahoma8;
    form.showHint = true;
    return form;
}
