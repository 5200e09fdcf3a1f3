#include "forms/FormDescriptions.h"

using namespace fw;

namespace {

// No controls and no text: the window only catches the click that ends a pick. Its
// size and place do not matter, since it is always shown covering its monitor.
constexpr TFormDesc kDescription{
    .name = "ColorPickForm",
    .border = TBorderStyle::bsNone,
    .formStyle = TFormStyle::fsStayOnTop,
    .position = TPosition::poScreenCenter,
    .clientWidth = 115,
    .clientHeight = 95,
    .color = clBtnFace,
    .font = TFontDesc{.name = "MS Sans Serif", .size = 8},
    .cursor = crCross,
    .onActivate = "FormActivate",
    .onClick = "FormClick",
};

static_assert(PartsResolve(kDescription));

}  // namespace

const TFormDesc& ColorPickFormDescription() {
    return kDescription;
}
