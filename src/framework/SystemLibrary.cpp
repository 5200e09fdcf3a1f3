#include "framework/SystemLibrary.h"

namespace fw {

void RestrictLibrarySearchToSystem() {
    // Looked up rather than linked: Windows 7 has it only with KB2533623, and the
    // program must still start without it.
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const auto setDefault =
        LibraryFunction<SetDefaultDllDirectoriesFn>(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefault)
        setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
    if (HMODULE library = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
        return library;
    // Windows 7 without KB2533623 refuses the flag as an invalid parameter: name the
    // file in the system folder instead, whose libraries then find theirs there too.
    if (GetLastError() != ERROR_INVALID_PARAMETER)
        return nullptr;
    constexpr int kNameRoom = 32;  // the short names asked for here, a separator and the end
    wchar_t path[MAX_PATH + kNameRoom] = {};
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH || lstrlenW(name) + 2 > kNameRoom)
        return nullptr;
    path[length] = L'\\';
    lstrcpyW(path + length + 1, name);
    return LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void AnchorSystemLibraries() {
    // The theme library is loaded for the first themed window, the composition library by
    // it and by the common controls, the version library by the shell and the dialogs: each
    // by bare name, and none is one of the system's known libraries. Loaded from the system
    // folder now, such a load finds them in the process, even where Windows 7 lacks the
    // restricted search or a caller asks for the standard one. Never freed.
    constexpr const wchar_t* kNames[] = {L"uxtheme.dll", L"dwmapi.dll", L"version.dll"};
    for (const wchar_t* name : kNames)
        LoadSystemLibrary(name);
}

}  // namespace fw
