// The picking cursor on the main window's charts and on the picking window.
#include "main/Unit1.h"
#include "palettes/ChartCatalogue.h"
#include "picker/PickCursor.h"
#include "picker/Unit2.h"

void TMainForm::InstallPickCursor() {
    LoadPickCursor();
    for (const palettes::ChartEntry& entry : palettes::ChartCatalogue())
        ChartImage(entry.identifier)->SetCursor(crPick);
    // The picking window exists once start-up has made it, after the main window.
    if (ColorPickForm)
        ColorPickForm->SetCursor(crPick);
}
