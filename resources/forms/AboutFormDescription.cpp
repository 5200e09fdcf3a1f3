#include "forms/FormDescriptions.h"

using namespace fw;

namespace {

TFontDesc Tahoma8() {
    return TFontDesc{.name = "Tahoma", .size = 8};
}

// An etched line across the window, drawn along the bevel's top edge.
TControlDesc Line(const char* name, int left, int top, int width, int height) {
    return TControlDesc{
        .name = name, .kind = TControlKind::Bevel, .left = left, .top = top, .width = width, .height = height};
}

TFormDesc Build() {
    return TFormDesc{
        .name = "FormAbout",
        .caption = " About ...",
        .border = TBorderStyle::bsToolWindow,
        .formStyle = TFormStyle::fsStayOnTop,
        .position = TPosition::poDesktopCenter,
        .clientWidth = 327,
        .clientHeight = 233,
        .color = clBtnFace,
        .font = Tahoma8(),
        .showHint = true,
        .onActivate = "FormActivate",
        .controls =
            {
                {.name = "Panel1",
                 .kind = TControlKind::Panel,
                 .left = 0,
                 .top = 0,
                 .width = 327,
                 .height = 51,
                 .alignTop = true,
                 .color = clWindow,
                 .tabOrder = 0,
                 .bevelOuter = TBevelCut::bvNone},
                {.name = "Image1",
                 .kind = TControlKind::Image,
                 .parent = "Panel1",
                 .left = 20,
                 .top = 10,
                 .width = 32,
                 .height = 32,
                 .autoSize = true,
                 .picture = "MAINICON",
                 .pictureSize = 32},
                {.name = "Label1",
                 .kind = TControlKind::Label,
                 .parent = "Panel1",
                 .left = 70,
                 .top = 20,
                 .width = 48,
                 .height = 13,
                 .text = "Huetrove",
                 .font = TFontDesc{.name = "MS Sans Serif", .size = 8, .bold = true},
                 .autoSize = true},
                {.name = "Bevel1",
                 .kind = TControlKind::Bevel,
                 .left = 0,
                 .top = 51,
                 .width = 327,
                 .height = 4,
                 .alignTop = true},
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
                 .font = TFontDesc{.name = "Tahoma", .size = 8, .underline = true, .color = clNavy},
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
                 .font = TFontDesc{.name = "Tahoma", .size = 8, .color = clGrayText},
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
            },
    };
}

}  // namespace

const TFormDesc& AboutFormDescription() {
    static const TFormDesc description = Build();
    return description;
}
