#include "framework/SystemLibrary.h"

#include <string>

namespace fw {

void RestrictLibrarySearchToSystem() {
    // Looked up rather than linked: Windows 7 has it only with KB2533623, and the
    // program must still start without it.
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    const auto setDefault = kernel32 ? reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void*>(
                                           GetProcAddress(kernel32, "SetDefaultDllDirectories")))
                                     : nullptr;
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
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = GetSystemDirectoryW(path.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    path.resize(length);
    path += L'\\';
    path += name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace fw
