#include "framework/Transitions.h"

#include <dwmapi.h>

#include "framework/SystemLibrary.h"

namespace fw {

namespace {

// Looked up rather than linked, so that the library comes from the system folder, and
// only once a window needs it: most runs never start a pick.
HRESULT WINAPI SystemSetCompositorAttribute(HWND window, DWORD attribute, LPCVOID value, DWORD size) {
    static const auto function =
        LibraryFunction<TSetCompositorAttribute>(LoadSystemLibrary(L"dwmapi.dll"), "DwmSetWindowAttribute");
    return function ? function(window, attribute, value, size) : HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
}

}  // namespace

TSetCompositorAttribute SetCompositorAttribute = &SystemSetCompositorAttribute;

bool DisableTransitions(HWND window) {
    const BOOL disabled = TRUE;
    return SUCCEEDED(SetCompositorAttribute(window, DWMWA_TRANSITIONS_FORCEDISABLED, &disabled, sizeof disabled));
}

}  // namespace fw
