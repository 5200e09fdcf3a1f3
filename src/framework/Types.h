#pragma once
// Value types shared by every part of the framework. No windows.h here: portable
// code (and its native tests) may use them.
#include <cstdint>
#include <functional>
#include <string>

namespace fw {

class TComponent;

// A GDI colour ($00BBGGRR) or, with the high byte $FF, a reference to a system colour.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clSystemColor = 0xFF000000;
constexpr TColor clBackground = clSystemColor | 1;  // COLOR_BACKGROUND, the desktop
constexpr TColor clAppWorkSpace = clSystemColor | 12;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clGrayText = clSystemColor | 17;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clInfoBk = clSystemColor | 24;

constexpr bool IsSystemColorRef(TColor c) {
    return (c & 0xFF000000u) == clSystemColor;
}

// What a close request does. The ordinals are stored by the program, so they are fixed.
enum class TCloseAction : std::uint8_t { caNone = 0, caHide = 1, caFree = 2 };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;

enum class TMouseButton { mbLeft = 0, mbRight = 1, mbMiddle = 2 };

// Modifier keys and buttons held during a mouse event, as flags.
using TShiftState = unsigned;
constexpr TShiftState ssShift = 1;
constexpr TShiftState ssAlt = 2;
constexpr TShiftState ssCtrl = 4;
constexpr TShiftState ssLeft = 8;
constexpr TShiftState ssRight = 16;
constexpr TShiftState ssMiddle = 32;

// Cursor numbers of the application's cursor table: negative ones are the standard
// cursors, 0 the default arrow, positive ones the program's own.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crCross = -3;
constexpr TCursor crHandPoint = -21;

using TNotifyEvent = std::function<void(TComponent* Sender)>;

}  // namespace fw
