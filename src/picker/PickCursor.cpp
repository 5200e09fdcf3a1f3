#include "picker/PickCursor.h"

#include <windows.h>

#include "framework/Screen.h"
#include "main/CompanionFiles.h"
#include "main/Unit1.h"
#include "palettes/PaletteCatalogue.h"
#include "picker/Unit2.h"

namespace {

constexpr char kCursorFile[] = "cur.dat";

}  // namespace

void InstallPickCursor() {
    // Loaded afresh at every activation, so a file put in place later is found. A missing
    // or unreadable file gives a null handle, which leaves number 5 empty: the images
    // and the picking window then show the arrow.
    const std::string path = huetrove::FindCompanionFile(kCursorFile);
    fw::UniqueCursor cursor(path.empty() ? nullptr : LoadCursorFromFileA(path.c_str()));
    // Destroys the cursor of the previous activation, so only one is ever held.
    fw::Screen().SetCursor(crPick, std::move(cursor));

    // The charts in the order in which they are also hidden.
    for (std::string_view identifier : palettes::HideAllOrder())
        MainForm->PaletteImage(identifier)->SetCursor(crPick);
    // The picking window exists once start-up has made it, after the main window.
    if (ColorPickForm)
        ColorPickForm->SetCursor(crPick);
}
