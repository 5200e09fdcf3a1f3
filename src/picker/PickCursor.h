#pragma once
// The picking cursor: its number in the cursor table and its loading from the companion file.
#include "framework/Types.h"

// The picking cursor's number in the application's cursor table.
inline constexpr fw::TCursor crPick = 5;

// Loads the picking cursor from its companion file as cursor number 5.
void LoadPickCursor();
