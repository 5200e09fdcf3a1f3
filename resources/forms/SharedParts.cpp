#include "forms/SharedParts.h"

using namespace fw;

TFontDesc Tahoma8() {
    return TFontDesc{.name = "Tahoma", .size = 8};
}

std::vector<TControlDesc> TitleBand() {
    return {
        {.name = "Panel1",
         .kind = TControlKind::Panel,
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
        {.name = "Bevel1", .kind = TControlKind::Bevel, .top = 51, .width = 327, .height = 4, .alignTop = true},
    };
}
