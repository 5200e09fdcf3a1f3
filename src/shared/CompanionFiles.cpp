#include "shared/CompanionFiles.h"

#include <windows.h>

namespace huetrove {

namespace {

bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The file's path beside the executable; empty when the executable's path is unknown.
std::wstring BesideExecutable(const wchar_t* name) {
    std::wstring path = ExecutablePath();
    const size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos)
        return {};
    path.resize(slash + 1);
    return path += name;
}

}  // namespace

std::wstring ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);  // truncated: try again with more room
    }
}

std::wstring FindCompanionFile(const wchar_t* name) {
    std::wstring beside = BesideExecutable(name);
    if (!beside.empty() && IsFile(beside))
        return beside;
    return {};
}

}  // namespace huetrove
