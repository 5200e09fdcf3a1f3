#include "shared/FileZone.h"

#include <windows.h>

#include "framework/Handles.h"
#include "shared/ZoneIdentifier.h"

namespace huetrove {

int ReadFileZone(const std::wstring& path) {
    // A few hundred bytes at most; read only when Help is chosen.
    const HANDLE opened = CreateFileW((path + L":Zone.Identifier").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return kLocalMachineZone;
    const fw::UniqueKernelHandle stream(opened);
    char text[1024];
    DWORD read = 0;
    if (!ReadFile(stream.Get(), text, sizeof text, &read, nullptr))
        return kLocalMachineZone;
    return ZoneIdOf(std::string_view(text, read));
}

int (*FileZone)(const std::wstring& path) = &ReadFileZone;

}  // namespace huetrove
