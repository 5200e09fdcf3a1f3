#include "picker/ColorDialog.h"

#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <iterator>

#include "framework/Application.h"
#include "framework/Font.h"
#include "framework/Form.h"
#include "framework/Monitor.h"
#include "framework/SystemLibrary.h"

namespace {

// The program's window the dialog belongs with: the active one, else the main window
// (also when the main window is hidden in the tray).
HWND ReferenceWindow(HWND active) {
    const fw::TApplication& app = fw::Application();
    if (active && app.FormOfWindow(active))
        return active;
    return app.MainForm() ? app.MainForm()->Handle() : nullptr;
}

// Centred horizontally, with a third of the free height above and two thirds below, so
// the dialog sits where the eye rests rather than at the exact centre.
void PlaceOnMonitor(HWND dialog, HWND reference) {
    const RECT m = fw::MonitorRect(reference);
    // Twice at most: moved onto a monitor of another scale, the dialog takes that
    // monitor's size, and is centred again at that size.
    for (int pass = 0; pass < 2; ++pass) {
        RECT rc{};
        GetWindowRect(dialog, &rc);
        const int left = m.left + ((m.right - m.left) - (rc.right - rc.left)) / 2;
        const int top = m.top + ((m.bottom - m.top) - (rc.bottom - rc.top)) / 3;
        SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT after{};
        GetWindowRect(dialog, &after);
        if (after.right - after.left == rc.right - rc.left && after.bottom - after.top == rc.bottom - rc.top)
            break;
    }
}

UINT_PTR CALLBACK PlacementHook(HWND dialog, UINT msg, WPARAM, LPARAM lParam) {
    if (msg != WM_INITDIALOG)
        return 0;
    // lCustData holds the window whose monitor the dialog opens on.
    const auto* cc = reinterpret_cast<const CHOOSECOLORA*>(lParam);
    PlaceOnMonitor(dialog, cc ? reinterpret_cast<HWND>(cc->lCustData) : nullptr);
    return TRUE;  // let the dialog give the focus to its first control
}

using ChooseColorFn = BOOL(WINAPI*)(LPCHOOSECOLORA);

// The dialog library is loaded when the dialog is first used, not at start: most runs
// never open it, and it brings much of the printing support with it.
ChooseColorFn ChooseColorFunction() {
    static const auto function =
        fw::LibraryFunction<ChooseColorFn>(fw::LoadSystemLibrary(L"comdlg32.dll"), "ChooseColorA");
    return function;
}

}  // namespace

TColorDialog::TColorDialog(fw::TComponent* owner) : fw::TComponent(owner) {
    CustomColors.fill(kUnsetCustomColor);
}

bool TColorDialog::Execute() {
    COLORREF custom[kCustomColorCount];
    std::copy(CustomColors.begin(), CustomColors.end(), custom);

    // The program's other windows stay disabled while the dialog is up, as for any
    // modal window.
    fw::TOtherFormsDisabled disabled;

    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = fw::Application().Handle();
    cc.rgbResult = fw::ColorToRGB(Color);
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | CC_ENABLEHOOK | (Options.fullOpen ? CC_FULLOPEN : 0) |
               (Options.preventFullOpen ? CC_PREVENTFULLOPEN : 0) | (Options.showHelp ? CC_SHOWHELP : 0);
    cc.lCustData = reinterpret_cast<LPARAM>(ReferenceWindow(disabled.Active()));
    cc.lpfnHook = &PlacementHook;

    // A dialog that cannot be shown returns FALSE, which counts as Cancel.
    const ChooseColorFn chooseColor = ChooseColorFunction();
    if (!chooseColor || !chooseColor(&cc))
        return false;
    Color = cc.rgbResult & 0xFFFFFF;
    std::copy(std::begin(custom), std::end(custom), CustomColors.begin());
    return true;
}
