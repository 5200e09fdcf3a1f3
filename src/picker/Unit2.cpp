#include "picker/Unit2.h"

#include "framework/Graphics.h"
#include "picker/PickFormDescription.h"
#include "picker/ScreenCopy.h"
#include "picker/ScreenPick.h"

using fw::TComponent;

TColorPickForm* ColorPickForm = nullptr;

TColorPickForm::TColorPickForm(TComponent* owner) : fw::TForm(owner) {
    ColorPickForm = this;
    Build(forms::kColorPickForm);
}

TColorPickForm::~TColorPickForm() {
    if (ColorPickForm == this)
        ColorPickForm = nullptr;
}

void TColorPickForm::FormActivate(TComponent*) {
    // Runs again when the shown window becomes active; by then every step is done.
    SetFormStyle(fw::TFormStyle::fsStayOnTop);
    // Never erased: the window must not hide what it covers.
    SetBrushClear();
    Maximize();
    if (!Visible()) {
        // A window that draws nothing shows the screen through it only where the system
        // leaves the pixels in place; a composing desktop, and Wine, show the window's
        // own empty surface instead (black under Wine), and the pick would read that.
        // So the window shows a copy of what its monitor showed, and the screen reads
        // back exactly those pixels.
        RECT monitor{Left(), Top(), Left() + Width(), Top() + Height()};
        screenCopy_ = huetrove::CopyScreen(monitor);
    }
    SetVisible(true);
}

void TColorPickForm::FormClick(TComponent*) {
    // Read before the window goes: the pixel under the hot spot as the screen shows it now.
    const fw::TColor pixel = huetrove::PixelUnderPointer();
    Hide();
    if (OnPick)
        OnPick(pixel);
}

void TColorPickForm::SetVisible(bool visible) {
    fw::TForm::SetVisible(visible);
    // A whole screen's worth of pixels is not kept between picks (a click or Alt+F4).
    if (!visible)
        screenCopy_.Reset();
}

void TColorPickForm::Paint(HDC dc) {
    if (!screenCopy_)
        return;
    fw::DrawBitmap(dc, screenCopy_.Get(), Width(), Height());
}
