#include "main/CompanionFiles.h"

#include <windows.h>

#include <vector>

namespace huetrove {

namespace {

bool IsFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ExecutableFolder() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            std::string full(path.data(), length);
            size_t slash = full.find_last_of("\\/");
            return slash == std::string::npos ? std::string() : full.substr(0, slash + 1);
        }
        path.resize(path.size() * 2);  // a long path: try again with room for it
    }
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

std::string FindCompanionFile(const std::string& name) {
    if (IsFile(name))
        return FullPath(name);
    std::string beside = ExecutableFolder() + name;
    if (IsFile(beside))
        return beside;
    return {};
}

}  // namespace huetrove
