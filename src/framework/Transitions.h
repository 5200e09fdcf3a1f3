#pragma once
// The desktop compositor's animations of a window being shown or hidden.
#include <windows.h>

namespace fw {

// Turns the compositor's animations off for `window`: hiding it then takes effect at
// once, with no fading copy left on the screen. Without the compositor's library, or
// when the compositor refuses, nothing changes and the result is false.
bool DisableTransitions(HWND window);

// The compositor's call that sets a window attribute: DwmSetWindowAttribute of the
// system's dwmapi.dll, looked up when first used. A seam for tests, which record the
// calls or play a system without the library.
using TSetCompositorAttribute = HRESULT(WINAPI*)(HWND window, DWORD attribute, LPCVOID value, DWORD size);
extern TSetCompositorAttribute SetCompositorAttribute;

}  // namespace fw
