#pragma once
// The About window's description: constant data, read while the window is built.
#include "about/Unit3.h"
#include "framework/FormDescription.h"
#include "shared/FormParts.h"

namespace forms::about_form {

using namespace fw;

inline constexpr TFontDesc kLinkFont{.name = "Tahoma", .size = 8, .underline = true, .color = clNavy};
inline constexpr TFontDesc kMemoryFont{.name = "Tahoma", .size = 8, .color = clGrayText};

inline constexpr std::array<TControlDesc, 7> kOwnControls = {{
    TextLabel("Label2", 20, 62, 161, "Version 1.0 (Build : 102301.2445)", nullptr, Field<&TFormAbout::Label2>),
    TextLabel("Label3", 20, 76, 175, "Copyright (c) 2026 Brightquill", nullptr, Field<&TFormAbout::Label3>),
    Line("Bevel2", 20, 98, 289, 3, Field<&TFormAbout::Bevel2>),
    {.name = "Label5",
     .field = Field<&TFormAbout::Label5>,
     .kind = TControlKind::Label,
     .left = 20,
     .top = 122,
     .width = 91,
     .height = 13,
     .text = "License Agreement",
     .font = &kLinkFont,
     .hint = "Click to view the License Agreement ",
     .cursor = crHandPoint,
     .onClick = Handler<&TFormAbout::Label5Click>},
    Line("Bevel3", 20, 180, 289, 3, Field<&TFormAbout::Bevel3>),
    TextLabel("AvailableMemory", 20, 196, 91, "Available memory :", &kMemoryFont, Field<&TFormAbout::AvailableMemory>),
    DialogButton({.name = "Button1",
                  .field = Field<&TFormAbout::Button1>,
                  .left = 234,
                  .width = 75,
                  .text = "&Ok",
                  .tabOrder = 1,
                  .isCancel = true,
                  .onClick = Handler<&TFormAbout::Button1Click>}),
}};

inline constexpr auto kControls = WithTitleBand({.panel = Field<&TFormAbout::Panel1>,
                                                 .image = Field<&TFormAbout::Image1>,
                                                 .label = Field<&TFormAbout::Label1>,
                                                 .bevel = Field<&TFormAbout::Bevel1>},
                                                kOwnControls);

}  // namespace forms::about_form

namespace forms {

inline constexpr fw::TFormDesc kAboutForm = TitledDialog({
    .name = "FormAbout",
    .caption = " About ...",
    .formStyle = fw::TFormStyle::fsStayOnTop,
    .position = fw::TPosition::poDesktopCenter,
    .onActivate = fw::Handler<&TFormAbout::FormActivate>,
    .controls = about_form::kControls,
});

static_assert(fw::PartsResolve(kAboutForm), "a name, field or command of the description does not fit");

}  // namespace forms
