#pragma once
// The picking window's description: constant data, read while the window is built.
#include "framework/FormDescription.h"

namespace forms::pick_form {

using namespace fw;

// No controls and no text: the window only catches the click that ends a pick. Its
// size and place do not matter, since it is always shown covering its monitor.
inline constexpr TFormDesc kDescription{
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

}  // namespace forms::pick_form

namespace forms {
inline constexpr const fw::TFormDesc& kColorPickForm = pick_form::kDescription;
}  // namespace forms
