#include "shared/CompanionFiles.h"

#include <windows.h>

#include <vector>

namespace huetrove {

namespace {

bool IsFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ExecutableFolder() {
    const std::string full = ExecutablePath();
    const size_t slash = full.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : full.substr(0, slash + 1);
}

// The full path of a file of the current directory. Handing the shell a bare name
// would let it search the program's folder first.
std::string FullPath(const std::string& name) {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        DWORD length = GetFullPathNameA(name.c_str(), static_cast<DWORD>(path.size()), path.data(), nullptr);
        if (length == 0)
            return name;
        if (length < path.size())
            return std::string(path.data(), length);
        path.resize(length + 1);
    }
}

}  // namespace

std::string ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);  // truncated: try again with more room
    }
    const int wideLength = static_cast<int>(path.size());
    BOOL replaced = FALSE;
    const int size =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.data(), wideLength, nullptr, 0, nullptr, &replaced);
    if (size <= 0 || replaced)
        return {};
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.data(), wideLength, ansi.data(), size, nullptr, nullptr);
    return ansi;
}

std::string FindCompanionFile(const std::string& name) {
    if (IsFile(name))
        return FullPath(name);
    std::string beside = ExecutableFolder() + name;
    if (IsFile(beside))
        return beside;
    return {};
}

}  // namespace huetrove
