#include "Program.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <system_error>

namespace harness {

std::string EnvironmentOr(const char* name, const char* fallback) {
    char value[MAX_PATH * 2] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof(value));
    return length > 0 && length < sizeof(value) ? std::string(value, length) : std::string(fallback);
}

std::wstring EnvironmentOr(const wchar_t* name, const wchar_t* fallback) {
    wchar_t value[MAX_PATH * 2] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH * 2);
    return length > 0 && length < MAX_PATH * 2 ? std::wstring(value, length) : std::wstring(fallback);
}

std::string ProgramPath() {
    return EnvironmentOr("HUETROVE_EXE", "Huetrove.exe");
}

std::string ProgramDirectory() {
    return EnvironmentOr("HUETROVE_DIR", ".");
}

std::string ThisTestProgram() {
    char path[MAX_PATH * 2] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

std::string BesideThisTest(const std::string& name) {
    return (std::filesystem::path(ThisTestProgram()).parent_path() / name).string();
}

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

ScratchDirectory::ScratchDirectory() {
    const auto base = std::filesystem::temp_directory_path();
    for (unsigned attempt = 0;; ++attempt) {
        path_ = base / ("e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount()) + "-" +
                        std::to_string(attempt));
        if (std::filesystem::create_directory(path_)) {
            return;
        }
    }
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;  // a file the program still holds open must not fail the test here
    std::filesystem::remove_all(path_, ignored);
}

bool ScratchDirectory::CopyIn(const std::string& source, const std::string& name) const {
    const std::filesystem::path from(source);
    std::error_code error;
    std::filesystem::copy_file(from, path_ / (name.empty() ? from.filename() : std::filesystem::path(name)),
                               std::filesystem::copy_options::overwrite_existing, error);
    return !error;
}

}  // namespace harness
