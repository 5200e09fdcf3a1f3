#pragma once

#include <windows.h>

#include <initializer_list>
#include <string_view>

#include "Wait.h"

namespace e2e {

// Makes `window` the foreground window, retrying until `timeout`; keyboard input
// goes to the foreground window, so call this before pressing keys.
bool BringToForeground(HWND window, Duration timeout = 5s);

// Presses the keys in order and lets them go in reverse: PressKeys({VK_CONTROL, 'S'}),
// PressKeys({VK_MENU, VK_F4}). Letters are their upper-case virtual-key codes.
void PressKeys(std::initializer_list<WORD> keys);
void PressKey(WORD key);
// Types printable ASCII text (with Shift where the keyboard layout needs it).
void TypeText(std::string_view text);

enum class MouseButton { Left, Right };

// Puts the mouse pointer on a screen point and checks that it stays there (false
// when it does not within `timeout`); the clicks move it first.
bool MoveMouse(POINT screenPoint, Duration timeout = 3s);
// The cursor the pointer shows once it rests over a screen point (a program sets its
// cursor as the pointer moves). Handles of another process's cursors cannot be looked
// into from here, but the same cursor keeps its handle.
HCURSOR CursorAt(POINT screenPoint);
bool Click(POINT screenPoint, MouseButton button = MouseButton::Left);
// Wine answers a program's GetCursorPos from the display server, which can lag a warp
// of the pointer by a moment: for a click whose position the program reads back, the
// pointer rests on the point first.
bool ClickAtRest(POINT screenPoint);
bool DoubleClick(POINT screenPoint);

}  // namespace e2e
