#pragma once
// The About window's description: constant data, read while the window is built.
#include "forms/SharedParts.h"
#include "framework/FormDescription.h"

namespace forms::about_form {

using namespace fw;

// An etched line across the window, drawn along the bevel's top edge.
constexpr TControlDesc Line(std::string_view name, int left, int top, int width, int height) {
    return TControlDesc{
        .name = name, .kind = TControlKind::Bevel, .left = left, .top = top, .width = width, .height = height};
}

inline constexpr TFontDesc kLinkFont{.name = "Tahoma", .size = 8, .underline = true, .color = clNavy};
inline constexpr TFontDesc kMemoryFont{.name = "Tahoma", .size = 8, .color = clGrayText};

inline constexpr std::array<TControlDesc, 7> kOwnControls = {{
    {.name = "Label2",
     .kind = TControlKind::Label,
     .left = 20,
     .top = 62,
     .width = 161,
     .height = 13,
     .text = "Version 1.0 (Build : 102301.2445)",
     .autoSize = true},
    {.name = "Label3",
     .kind = TControlKind::Label,
     .left = 20,
     .top = 76,
     .width = 175,
     .height = 13,
     .text = "Copyright (c) 2026 Brightquill",
     .autoSize = true},
    Line("Bevel2", 20, 98, 289, 3),
    {.name = "Label5",
     .kind = TControlKind::Label,
     .left = 20,
     .top = 122,
     .width = 91,
     .height = 13,
     .text = "License Agreement",
     .font = &kLinkFont,
     .hint = "Click to view the License Agreement ",
     .cursor = crHandPoint,
     .autoSize = true,
     .onClick = "Label5Click"},
    Line("Bevel3", 20, 180, 289, 3),
    {.name = "AvailableMemory",
     .kind = TControlKind::Label,
     .left = 20,
     .top = 196,
     .width = 91,
     .height = 13,
     .text = "Available memory :",
     .font = &kMemoryFont,
     .autoSize = true},
    {.name = "Button1",
     .kind = TControlKind::Button,
     .left = 234,
     .top = 196,
     .width = 75,
     .height = 25,
     .text = "&Ok",
     .tabOrder = 1,
     .isCancel = true,
     .onClick = "Button1Click"},
}};

inline constexpr auto kControls = Joined(kTitleBand, kOwnControls);

inline constexpr TFormDesc kDescription{
    .name = "FormAbout",
    .caption = " About ...",
    .border = TBorderStyle::bsToolWindow,
    .formStyle = TFormStyle::fsStayOnTop,
    .position = TPosition::poDesktopCenter,
    .clientWidth = 327,
    .clientHeight = 233,
    .color = clBtnFace,
    .font = kTahoma8,
    .showHint = true,
    .onActivate = "FormActivate",
    .controls = kControls,
};

static_assert(PartsResolve(kDescription));

}  // namespace forms::about_form

namespace forms {
inline constexpr const fw::TFormDesc& kAboutForm = about_form::kDescription;
}  // namespace forms
