#pragma once
// The picking window's description: constant data, read while the window is built.
#include "framework/FormDescription.h"
#include "picker/Unit2.h"

namespace forms {

// No controls and no text: the window only catches the click that ends a pick. Its
// size and place do not matter, since it is always shown covering its monitor.
inline constexpr fw::TFormDesc kColorPickForm = {
    .name = "ColorPickForm",
    .border = fw::TBorderStyle::bsNone,
    .formStyle = fw::TFormStyle::fsStayOnTop,
    .position = fw::TPosition::poScreenCenter,
    .clientWidth = 115,
    .clientHeight = 95,
    .color = fw::clBtnFace,
    .font = fw::TFontDesc{.name = "MS Sans Serif", .size = 8},
    .cursor = fw::crCross,
    .onActivate = fw::Handler<&TColorPickForm::FormActivate>,
    .onClick = fw::Handler<&TColorPickForm::FormClick>,
};

static_assert(fw::PartsResolve(kColorPickForm), "a name, field or command of the description does not fit");

}  // namespace forms
