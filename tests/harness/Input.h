#pragma once
// Synthetic keys and clicks, sent the way a user's would arrive.
#include <windows.h>

#include <string_view>
#include <vector>

#include "Wait.h"

namespace harness {

// Makes `window` the foreground window, retrying until `timeout`; keyboard input
// goes to the foreground window, so call this before pressing keys.
bool BringToForeground(HWND window, Duration timeout = 5s);

// Presses the keys in order and lets them go in reverse: PressKeys({VK_CONTROL, 'S'}),
// PressKeys({VK_MENU, VK_F4}). Letters are their upper-case virtual-key codes.
void PressKeys(const std::vector<WORD>& keys);
void PressKey(WORD key);
// Types printable ASCII text (with Shift where the keyboard layout needs it).
void TypeText(std::string_view text);

enum class MouseButton { Left, Right };

// Puts the mouse pointer on a screen point and waits until the display server reports it
// there (false when it does not within `timeout`); the clicks move it first. Wine answers
// GetCursorPos from its own record for 100 ms after a move and from the display server
// after that, and a program reads the same: a click whose position the program reads
// back lands where the server has the pointer.
bool MoveMouse(POINT screenPoint, Duration timeout = 3s);
// The cursor the pointer shows once it rests over a screen point (a program sets its
// cursor as the pointer moves). Handles of another process's cursors cannot be looked
// into from here, but the same cursor keeps its handle.
HCURSOR CursorAt(POINT screenPoint);
bool Click(POINT screenPoint, MouseButton button = MouseButton::Left);
// A press or a release alone, where the pointer is: a button held while the test looks.
void PressButton(MouseButton button, bool down);
bool DoubleClick(POINT screenPoint);

}  // namespace harness
