#pragma once
// Moments of start-up, stamped with the performance counter as they pass. Recording
// costs one counter read each; the figures are read from outside the process (the
// benchmark finds the table in its own section, ".hmarks"), so the program carries no
// switch for them and exports nothing.
#include <cstdint>

namespace huetrove {

enum class TStartupMark : int {
    WinMain,
    ChartsDrawn,
    MainFormBuilt,
    SettingsLoaded,
    PickFormBuilt,
    AboutFormBuilt,
    PreferencesFormBuilt,
    FirstPaint,
    Count
};

// Keeps the first time each mark passes; later passes change nothing.
void MarkStartup(TStartupMark mark);

}  // namespace huetrove
