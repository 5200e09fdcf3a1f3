#pragma once
// The one window of the benchmark's reference programs: it paints its face colour and
// its caption, and ends the program when it is closed.
#include <windows.h>

HWND MakeOneWindow(HINSTANCE instance, const char* caption);
// Shows the window and runs the message loop until it is closed.
int RunOneWindow(HWND window, int show);
