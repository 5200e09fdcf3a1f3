// Picking in the system's colour dialog.
#include "main/Unit1.h"
#include "picker/ColorDialog.h"

void TMainForm::Pickcolorfromthe1Click(fw::TComponent*) {
    // Always start from the current colour, whatever the dialog returned last time.
    ColorDialog->Color = ColorPanel->Color();
    if (ColorDialog->Execute())
        ApplyPickedColor(ColorDialog->Color);
}

void TMainForm::ColorPanelClick(fw::TComponent* Sender) {
    Pickcolorfromthe1Click(Sender);
}
