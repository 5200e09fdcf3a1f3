#pragma once
// A program the test started: its id, its end and its exit code, stopped only by the test.
#include <windows.h>

#include <optional>
#include <string>

#include "Wait.h"

namespace harness {

// A program the test started. It never outlives the test: the destructor ends it
// if it still runs. Only processes started here are ever terminated.
class Process {
public:
    // Starts `exe` with `arguments` in `workingDirectory` (empty: the test's own
    // folder, which decides where the program finds its companion files).
    // Throws std::runtime_error when the program cannot be started.
    static Process Launch(const std::string& exe,
                          const std::string& arguments = {},
                          const std::string& workingDirectory = {});
    // The same for paths that may hold any character.
    static Process Launch(const std::wstring& exe, const std::wstring& arguments = {},
                          const std::wstring& workingDirectory = {});

    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    DWORD Id() const { return id_; }
    HANDLE Handle() const { return handle_; }

    bool IsRunning() const;
    // Waits until the program has processed its start-up messages and waits for input.
    bool WaitForInputIdle(Duration timeout) const;
    // True when the program ended before `timeout` passed.
    bool WaitForExit(Duration timeout) const;
    // The exit code once the program has ended.
    std::optional<DWORD> ExitCode() const;
    // Ends the program by its handle and waits for it to be gone.
    void Terminate();

private:
    Process(HANDLE handle, DWORD id) : handle_(handle), id_(id) {}
    void Release();

    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
};

// Closes a viewer the shell started for a test, and waits for its program to go.
void CloseViewer(HWND viewer);

// Runs a program to its end: its exit code, or nothing when it does not end within `timeout`.
std::optional<DWORD> RunToEnd(const std::string& exe, const std::string& arguments, Duration timeout = 60s);
std::optional<DWORD> RunToEnd(const std::wstring& exe, const std::wstring& arguments, Duration timeout = 60s);

}  // namespace harness
