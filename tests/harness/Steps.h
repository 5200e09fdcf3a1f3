#pragma once
// Input steps that check their own effect. Wine's virtual desktop now and then drops a
// synthetic key or click (most often the first click into a window just shown): a step
// sends its input, waits for what the input was for, and sends it again only when that
// has not happened by its deadline. Every repeat is counted and printed, so a test's
// output shows how often input was lost.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include "Input.h"
#include "Wait.h"

namespace harness {

// Long enough that a slow program is not taken for lost input (a repeat after a late
// effect would act twice), short enough that a lost input costs little.
inline constexpr int kStepAttempts = 3;

struct StepLimits {
    Duration deadline = 5s;
    int attempts = kStepAttempts;
};

// Calls `send` (false: the input could not be sent, such as a pointer that did not
// stay put), then waits up to the deadline for `done`. Only while `done` does not hold
// is the input sent again, so use it only where sending twice is harmless once the
// first has had no effect. True when `done` held.
bool SendUntil(const std::string& what, const std::function<bool()>& send, const std::function<bool()>& done,
               StepLimits limits = {});

// For input that flips a state (a box ticked, a window shown or hidden): done once the
// state differs from what it was before the first send. The state is read again before
// each repeat, so an effect that came late is never undone by a second send.
template <typename State>
bool ToggleUntilChanged(const std::string& what, const std::function<bool()>& send, State state,
                        StepLimits limits = {}) {
    const auto before = state();
    return SendUntil(what, send, [&] { return state() != before; }, limits);
}

// A left (or right) click on a screen point until `done`. With `window`, the click waits
// first until that window (or one of its children) is what lies under the point.
bool ClickUntil(const std::string& what, POINT screenPoint, const std::function<bool()>& done,
                HWND window = nullptr, MouseButton button = MouseButton::Left, StepLimits limits = {});

// Brings `window` to the front (null: leaves the focus where it is, in a menu say) and
// presses the key chord until `done`.
bool PressUntil(const std::string& what, HWND window, std::initializer_list<WORD> keys,
                const std::function<bool()>& done, StepLimits limits = {});

// Types printable text over the whole text of an edit control (so that a repeat replaces
// what a lost key left) until the control shows it.
bool TypeOver(HWND edit, const std::string& text, StepLimits limits = {});

// A dialog button clicked as the user would (ClickButton) until `done`.
bool ClickButtonUntil(const std::string& what, HWND button, const std::function<bool()>& done,
                      StepLimits limits = {});

// Answers a message box with one of its buttons until the box has gone.
bool AnswerMessageBox(HWND box, HWND button);

// Opens a menu of the window's menu bar with Alt and its access key until a menu of the
// window's process shows.
bool OpenMenuBar(HWND window, WORD accessKey);
// The visible popup menu of a process, or null.
HWND ShownMenu(DWORD processId);

// Clicks the close box of a window's caption until the window is no longer visible.
bool ClickCloseBox(HWND window);

// Rests the pointer on `point`, coming from `away` each time so that a tooltip shows anew,
// until a tooltip of the process (of any process for 0) shows that holds `part`: its text.
std::optional<std::string> HoverForTooltip(POINT point, POINT away, DWORD processId, const std::string& part = {});

}  // namespace harness
