#pragma once
// The main window's settings as a plain value, read from the store and written back.
// The main window applies what was read and hands over what it shows; this side knows
// only the store.
#include <string>
#include <vector>

#include "settings/StoredSettings.h"

namespace settings {

// The three settings the Preferences dialog shows.
struct Preferences {
    bool minimizeClose = true;
    bool systemStartup = false;
    std::string dblClickAction = kActionNone;
};

struct MainFormSettings {
    Point position;                           // the window's top-left corner
    std::string activePS = kDefaultActivePS;  // the chart on show; empty for none
    Preferences preferences;
};

struct LoadedSettings {
    bool stored = false;      // false: no settings yet (a first run), nothing was read
    MainFormSettings values;  // a value that could not be read keeps its first-run default
    std::string problems;     // what could not be read, a line each; empty when all was read
};

// Reads the settings; `firstRun` is the position when none is stored or it cannot be read.
LoadedSettings LoadMainFormSettings(Point firstRun);

// Writes the settings, then adds or removes the program's Run value as `systemStartup`
// says. A value that cannot be written throws fw::Exception with the error box's text.
void SaveMainFormSettings(const MainFormSettings& values);

// The work area of every monitor.
std::vector<Rect> WorkAreas();

}  // namespace settings
