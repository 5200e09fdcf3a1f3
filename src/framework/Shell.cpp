#include "framework/Shell.h"

#include <shellapi.h>

#include "framework/ComApartment.h"

namespace fw {

bool ShellOpen(HWND owner, const wchar_t* target) {
    // Joined before the first call rather than at start-up: most runs never open a file.
    JoinComApartment();
    // Values above 32 are success; the result is no real handle.
    return reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", target, L"", L"", SW_SHOWNORMAL)) > 32;
}

}  // namespace fw
