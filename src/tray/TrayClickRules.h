#pragma once
// What the tray component does with each mouse notice from the shell, and the small
// rules around it (modifier flags, tooltip text, icon indexes), kept free of Windows
// so they can be checked natively.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/Types.h"

namespace tray {

// The mouse messages the shell passes as lParam of the tray callback message.
inline constexpr std::int64_t kMouseMove = 0x0200;
inline constexpr std::int64_t kLButtonDown = 0x0201;
inline constexpr std::int64_t kLButtonUp = 0x0202;
inline constexpr std::int64_t kLButtonDblClk = 0x0203;
inline constexpr std::int64_t kRButtonDown = 0x0204;
inline constexpr std::int64_t kRButtonUp = 0x0205;
inline constexpr std::int64_t kRButtonDblClk = 0x0206;
inline constexpr std::int64_t kMButtonDown = 0x0207;
inline constexpr std::int64_t kMButtonUp = 0x0208;

// Longest tooltip the record carries; its buffer holds one more byte for the zero.
inline constexpr std::size_t kMaxTipLength = 127;

enum class TrayAction {
    MouseMove,          // fire OnMouseMove (Shift, X, Y)
    MouseDown,          // fire OnMouseDown (Button, Shift, X, Y)
    MouseUp,            // fire OnMouseUp (Button, Shift, X, Y)
    Click,              // fire OnClick
    DblClick,           // fire OnDblClick
    SetClickPending,    // a left press was seen
    ClearClickPending,  // its release has come
    ShowMenu,           // open the popup menu at the cursor
    RunDefaultItem,     // run the popup menu's first default item
};

struct TrayStep {
    TrayAction action;
    fw::TMouseButton button = fw::TMouseButton::mbLeft;  // for MouseDown and MouseUp
    fw::TShiftState shift = 0;                           // for the mouse events

    bool operator==(const TrayStep&) const = default;
};

struct TrayNoticeState {
    bool clickPending = false;
    bool leftPopup = false;
    // A popup menu is set and its AutoPopup switch is on.
    bool menuAutoPopup = false;
};

// The steps one mouse notice causes, in the order they must run. `keys` are the
// modifier flags held now; the button's own flag is added for button notices. A
// double click arrives as press, release, double-click, release: only the first
// release clicks, because the double-click notice does not arm ClickPending.
std::vector<TrayStep> TrayNoticeSteps(std::int64_t mouseMessage, const TrayNoticeState& state, fw::TShiftState keys);

// The modifier flags from the keys held down.
fw::TShiftState ShiftFromKeys(bool shift, bool ctrl, bool alt);

// The index of the first item, in menu order, whose Default flag is set; -1 for none.
int FirstDefaultIndex(const std::vector<bool>& defaultFlags);

// The tooltip text the record carries: the hint's first 127 characters, or nothing
// when the hint is empty or hints are off.
std::string TipText(const std::string& hint, bool showHint);

// An icon index as the component keeps it with a list: lowered to the list's last
// index when it is at or past the list's count (-1 for an empty list, which names no
// entry; a negative count counts as an empty list).
int ClampIconIndex(int index, int count);
// The entry shown after `index` while cycling: the next one, or 0 after the last.
int NextCycleIndex(int index, int count);

}  // namespace tray
