// The chart commands: one handler per menu item and per chart image, each naming its
// own chart. A menu item shows or hides its chart; a click on a chart picks the colour
// under the pointer.
#include "main/Unit1.h"
#include "palettes/PaletteCatalogue.h"
#include "picker/ScreenPick.h"

using fw::TComponent;

void TMainForm::PickFromPalette() {
    // Where the pointer is now, and the pixel as the screen shows it: lines and
    // fillers pick black like any other pixel.
    huetrove::ApplyScreenPixel(*this, huetrove::PixelUnderPointer());
}

void TMainForm::MpalWebClick(TComponent* Sender) {
    PaletteMenuClick(Sender, "palWeb");
}
void TMainForm::MpalWebHueClick(TComponent* Sender) {
    PaletteMenuClick(Sender, "palWebHue");
}
void TMainForm::MpalWebSafeClick(TComponent* Sender) {
    PaletteMenuClick(Sender, "palWebSafe");
}
void TMainForm::MpalWindowsClick(TComponent* Sender) {
    PaletteMenuClick(Sender, "palWindows");
}
void TMainForm::MpalMacClick(TComponent* Sender) {
    PaletteMenuClick(Sender, "palMac");
}
void TMainForm::MpalAdobeClick(TComponent* Sender) {
    PaletteMenuClick(Sender, "palAdobe");
}
void TMainForm::MpalVB1Click(TComponent* Sender) {
    PaletteMenuClick(Sender, "palVB1");
}
void TMainForm::MpalVB2Click(TComponent* Sender) {
    PaletteMenuClick(Sender, "palVB2");
}
void TMainForm::MschWXPClick(TComponent* Sender) {
    PaletteMenuClick(Sender, "schWXP");
}
void TMainForm::MschXPClick(TComponent* Sender) {
    PaletteMenuClick(Sender, "schXP");
}

void TMainForm::palWebClick(TComponent*) {
    PickFromPalette();
}
void TMainForm::palWebHueClick(TComponent*) {
    PickFromPalette();
}
void TMainForm::palWebSafeClick(TComponent*) {
    PickFromPalette();
}
void TMainForm::palWindowsClick(TComponent*) {
    PickFromPalette();
}
void TMainForm::palMacClick(TComponent*) {
    PickFromPalette();
}
void TMainForm::palAdobeClick(TComponent*) {
    PickFromPalette();
}
void TMainForm::palVB1Click(TComponent*) {
    PickFromPalette();
}
void TMainForm::palVB2Click(TComponent*) {
    PickFromPalette();
}
void TMainForm::schWXPClick(TComponent*) {
    PickFromPalette();
}
void TMainForm::schXPClick(TComponent*) {
    PickFromPalette();
}
