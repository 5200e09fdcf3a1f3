#include "shared/FileZone.h"

#include <windows.h>

#include "shared/ZoneIdentifier.h"

namespace huetrove {

namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE h) : h_(h) {}
    ~FileHandle() {
        if (h_ != INVALID_HANDLE_VALUE)
            CloseHandle(h_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE Get() const { return h_; }

private:
    HANDLE h_;
};

}  // namespace

int ReadFileZone(const std::wstring& path) {
    // A few hundred bytes at most; read only when Help is chosen.
    const FileHandle stream(CreateFileW((path + L":Zone.Identifier").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (stream.Get() == INVALID_HANDLE_VALUE)
        return kLocalMachineZone;
    char text[1024];
    DWORD read = 0;
    if (!ReadFile(stream.Get(), text, sizeof text, &read, nullptr))
        return kLocalMachineZone;
    return ZoneIdOf(std::string_view(text, read));
}

int (*FileZone)(const std::wstring& path) = &ReadFileZone;

}  // namespace huetrove
