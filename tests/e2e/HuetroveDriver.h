#pragma once
// Starts Huetrove.exe and finds its main window and controls the way a user sees them:
// by caption and by where they sit in the window.
#include <windows.h>

#include <optional>
#include <string>

#include "Harness.h"
#include "HuetroveSettings.h"

namespace harness {

inline constexpr char kMainCaption[] = " Huetrove v1.0";
// The application window's, which the taskbar and the message boxes show.
inline constexpr char kTitle[] = "Huetrove v1.0";
inline constexpr char kAboutCaption[] = " About ...";
inline constexpr char kPreferencesCaption[] = " Preferences ...";

// The main window of a process once it shows, or null after 30 s.
HWND WaitForMainWindow(DWORD processId);
// The chart image on show in a main window, or null.
HWND ShownChartOf(HWND main);

class Huetrove {
public:
    // Starts the program in `workingDirectory` (the test's folder when empty) and waits
    // for its main window. `exe` defaults to the build's program.
    explicit Huetrove(const std::string& workingDirectory = {}, const std::string& exe = {});
    // The same for an executable whose path may hold any character.
    Huetrove(const std::wstring& workingDirectory, const std::wstring& exe);

    Process& process() { return process_; }
    DWORD ProcessId() const { return process_.Id(); }
    HWND main() const { return main_; }
    // The application window, which stands for the program on the taskbar.
    HWND Application() const { return FindTopLevelWindow(ProcessId(), {.className = "fwApplication"}); }

    // Controls of the main window, found at their place in its client area.
    HWND HtmlBox() const { return At(57, 20); }
    HWND RedBox() const { return At(25, 38); }
    HWND GreenBox() const { return At(57, 38); }
    HWND BlueBox() const { return At(89, 38); }
    HWND Swatch() const { return At(125, 29); }

    std::string Html() const { return WindowText(HtmlBox()); }
    std::string Red() const { return WindowText(RedBox()); }
    std::string Green() const { return WindowText(GreenBox()); }
    std::string Blue() const { return WindowText(BlueBox()); }

    // The chart image on show, or null.
    HWND ShownChart() const { return ShownChartOf(main_); }
    // The chart's name under the charts ("Web colors", ...): the window's one label, or null.
    HWND ChartLabel() const { return FindChildWindow(main_, "fwLabel"); }
    std::string ChartCaption() const { return WindowText(ChartLabel()); }
    // The picking window while it covers the screen, or null; Ctrl+S until it does.
    HWND PickingWindow() const;
    HWND StartPicking() const;
    // The cursor the pointer shows over the middle of the chart (null with none on show),
    // and over the window's own background between the swatch and the chart.
    HCURSOR CursorOverChart() const;
    HCURSOR CursorOverBackground() const { return CursorAt(ClientToScreenPoint(main_, POINT{5, 50})); }

    // An input step: brings the main window forward and presses a key chord in it until `done`.
    bool PressUntil(const std::string& what, std::initializer_list<WORD> keys, const std::function<bool()>& done,
                    StepLimits limits = {}) const;
    // A command of the menu bar, by its menu's and its item's access keys, until `done`.
    bool MenuCommand(WORD menuKey, WORD itemKey, const std::string& what, const std::function<bool()>& done,
                     StepLimits limits = {}) const;
    // A visible top-level window of the program with this caption or class, or null; and once it shows.
    HWND Shown(const WindowQuery& query) const;
    HWND WaitForWindow(const WindowQuery& query, Duration timeout = 10s) const;
    // The system colour dialog while it shows, or null.
    HWND ColourDialog() const { return Shown({.className = "#32770"}); }
    // Help > About, Ctrl+O and Ctrl+P until their window shows: the window, or null.
    HWND OpenAbout() const;
    HWND OpenPreferences() const;
    HWND OpenColourDialog() const;
    // A click on a screen point until the HTML box shows `html` (a second pick of the same
    // point changes nothing).
    bool PickAt(POINT screenPoint, const std::string& html) const;
    // A key chord that copies, pressed until the emptied clipboard holds text.
    bool CopyWith(std::initializer_list<WORD> keys, const std::string& what) const;
    // File > Exit: true once the program has ended.
    bool Exit() const;

private:
    explicit Huetrove(Process process);
    HWND At(int x, int y) const;

    Process process_;
    HWND main_ = nullptr;
};

// With the HTML box's menu open: C, the access key of its only item, until the clipboard
// holds text.
bool CopyThroughOpenMenu();

// Ctrl+H opens a help viewer, the window `viewer` finds (by default the help viewer's own),
// and reports nothing; the viewer is closed again.
void ExpectHelpOpens(const Huetrove& app, std::function<HWND()> viewer = {});

// A visible top-level window of any process with that class whose caption contains `part`.
HWND FindWindowOfClass(const char* className, const std::string& part);

// The end of the Windows session as the system announces it to a window: true when the
// window answered WM_QUERYENDSESSION with yes; WM_ENDSESSION follows all the same.
bool EndSession(HWND window);

// Clicks the licence link of an About window until the viewer the shell starts shows the
// licence text: the viewer, or null. The deadline is long: a second click after a slow
// start would open a second viewer.
HWND ClickLicenceLink(HWND about);

// While it lives, the shell opens files of `extension` in the text viewer, whose caption
// names the file: a fresh prefix may know no program for text files, and Wine's help
// viewer reads its command line in the code page. The association is put back after.
class OpenInTheTextViewer {
public:
    explicit OpenInTheTextViewer(std::string extension);
    ~OpenInTheTextViewer();
    OpenInTheTextViewer(const OpenInTheTextViewer&) = delete;
    OpenInTheTextViewer& operator=(const OpenInTheTextViewer&) = delete;

private:
    std::string extension_;
    bool changed_ = false;
    std::optional<std::string> previous_;  // the file type before; none when the extension had no key
};

// The seven-character code of an explicit colour.
std::string HtmlOf(COLORREF color);

// A folder that holds a copy of the program and nothing else, so neither the
// current directory nor the program's own folder has its companion files.
struct LoneProgram {
    ScratchDirectory dir;
    std::string exe = dir.Path() + "\\Huetrove.exe";
    bool copied = dir.CopyIn(ProgramPath(), "Huetrove.exe");
};

}  // namespace harness
