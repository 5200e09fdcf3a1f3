#pragma once
// Where the program under test and the test itself are, the text of a file, and scratch folders.
#include <filesystem>
#include <string>

namespace harness {

// The program under test and its folder, as the test runner names them in the
// environment (HUETROVE_EXE, HUETROVE_DIR); "Huetrove.exe" and "." without them.
std::string ProgramPath();
std::string ProgramDirectory();
// A variable of the environment the test runner sets, or `fallback` without it.
std::string EnvironmentOr(const char* name, const char* fallback);
std::wstring EnvironmentOr(const wchar_t* name, const wchar_t* fallback);

// This test's own executable, and a file beside it (a helper built with the test, or a
// file the test puts there).
std::string ThisTestProgram();
std::string BesideThisTest(const std::string& name);
// The whole of a file, empty when it cannot be read.
std::string FileText(const std::string& path);

// A new empty folder for one test, removed with everything in it at the end:
// a working directory in which the test decides which companion files exist.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    std::string Path() const { return path_.string(); }
    std::wstring WidePath() const { return path_.wstring(); }
    // Copies `source` into the folder, named `name` (its own name when empty).
    bool CopyIn(const std::string& source, const std::string& name = {}) const;

private:
    std::filesystem::path path_;
};

}  // namespace harness
