// Picking in the system's colour dialog.
#include "main/Unit1.h"

void TMainForm::Pickcolorfromthe1Click(fw::TComponent*) {}

void TMainForm::ColorPanelClick(fw::TComponent* Sender) {
    Pickcolorfromthe1Click(Sender);
}
