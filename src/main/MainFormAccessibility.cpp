// The main window for those who do not see the colours or use no mouse: the names and
// values that screen readers hear, and the keyboard's way to the HTML code.
#include "main/Unit1.h"
#include "palettes/ChartCatalogue.h"
#include "shared/BaseFunctions.h"

using fw::TComponent;

void TMainForm::NameForReaders() {
    // A box is named by its hint and reads as its text. The hidden label gives the name
    // to the system's own objects, for readers that use those; the answer to readers'
    // requests gives it where a rich edit box's object takes no label (Wine's does not),
    // and gives the value.
    for (fw::TRichEdit* box : {HTMLColorEdit, RColorEdit, GColorEdit, BColorEdit}) {
        fw::AddHiddenLabel(box->Handle(), box->Hint);
        box->Accessible = {.name = [box] { return box->Hint; }, .value = [box] { return box->Text(); }};
    }
    // The swatch reads as the code of the colour it shows, even before the box shows one.
    ColorPanel->Accessible = {.name = [this] { return ColorPanel->Hint; },
                              .value = [this] { return huetrove::ColorToHTML(CurrentColor()); }};
    for (const palettes::ChartEntry& entry : palettes::ChartCatalogue())
        ChartImage(entry.identifier)->Accessible.name = [caption = entry.caption] { return std::string(caption); };
}

void TMainForm::HTMLColorEditMenuKey(TComponent*) {
    HTMLColorEdit->PopupContextMenu();
}

void TMainForm::CopyKey(TComponent* Sender) {
    // A box told to copy (WM_COPY), or else the box with the focus: with a selection, it
    // copies what the user selected there.
    auto* box = dynamic_cast<fw::TRichEdit*>(Sender);
    if (HWND focus = GetFocus(); !box && focus && IsChild(Handle(), focus))
        box = dynamic_cast<fw::TRichEdit*>(fw::TControl::FromHandle(focus));
    if (box) {
        if (const std::string selected = box->SelectedText(); !selected.empty()) {
            CopyText(selected);
            return;
        }
    }
    Copytoclipboard1Click(Sender);
}
