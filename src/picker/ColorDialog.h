#pragma once
// The system's colour dialog as a component of the main window: its colour, the sixteen
// custom colours that carry over between runs of the dialog, and its options.
#include <array>

#include "framework/Component.h"
#include "framework/Types.h"

// What the dialog offers. All off: the short form that the user can still expand, and
// no Help button.
struct TColorDialogOptions {
    bool fullOpen = false;
    bool preventFullOpen = false;
    bool showHelp = false;
};

class TColorDialog : public fw::TComponent {
public:
    // A custom colour that the user has not defined.
    static constexpr fw::TColor kUnsetCustomColor = 0xFFFFFFFF;
    static constexpr int kCustomColorCount = 16;

    explicit TColorDialog(fw::TComponent* owner);

    fw::TColor Color = fw::clBlack;
    std::array<fw::TColor, kCustomColorCount> CustomColors;
    TColorDialogOptions Options;

    // Runs the dialog modally. True when the user confirmed it with OK: then Color is the
    // chosen explicit value and CustomColors are as the user left them. Otherwise (Cancel,
    // Escape, the close box, or a dialog that could not be shown) nothing changes.
    bool Execute();
};
