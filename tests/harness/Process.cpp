#include "Process.h"

#include <filesystem>
#include <stdexcept>
#include <utility>

#include "WindowFinder.h"

namespace harness {

namespace {

constexpr DWORD kTerminateWaitMs = 10000;

DWORD ToMilliseconds(Duration timeout) {
    return timeout.count() <= 0 ? 0 : static_cast<DWORD>(timeout.count());
}

// Text in the code page, as the narrow system calls read it.
std::wstring Widen(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                                        wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

}  // namespace

Process Process::Launch(const std::string& exe, const std::string& arguments, const std::string& workingDirectory) {
    return Launch(Widen(exe), Widen(arguments), Widen(workingDirectory));
}

Process Process::Launch(const std::wstring& exe, const std::wstring& arguments, const std::wstring& workingDirectory) {
    // CreateProcessW may write into the command line: it takes this string's own buffer.
    std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup, &info)) {
        const DWORD error = GetLastError();
        const std::u8string name = std::filesystem::path(exe).u8string();  // any path, whatever its script
        throw std::runtime_error("cannot start " + std::string(name.begin(), name.end()) + " (error " +
                                 std::to_string(error) + ")");
    }
    CloseHandle(info.hThread);
    return Process(info.hProcess, info.dwProcessId);
}

Process::Process(Process&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), id_(std::exchange(other.id_, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Terminate();
        Release();
        handle_ = std::exchange(other.handle_, nullptr);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

Process::~Process() {
    Terminate();
    Release();
}

bool Process::IsRunning() const {
    return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT;
}

bool Process::WaitForInputIdle(Duration timeout) const {
    return handle_ && ::WaitForInputIdle(handle_, ToMilliseconds(timeout)) == 0;
}

bool Process::WaitForExit(Duration timeout) const {
    return handle_ && WaitForSingleObject(handle_, ToMilliseconds(timeout)) == WAIT_OBJECT_0;
}

std::optional<DWORD> Process::ExitCode() const {
    DWORD code = 0;
    if (!handle_ || IsRunning() || !GetExitCodeProcess(handle_, &code)) {
        return std::nullopt;
    }
    return code;
}

void Process::Terminate() {
    if (IsRunning()) {
        TerminateProcess(handle_, 1);
        WaitForSingleObject(handle_, kTerminateWaitMs);
    }
}

void Process::Release() {
    if (handle_) {
        CloseHandle(handle_);
        handle_ = nullptr;
    }
}

void CloseViewer(HWND viewer) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, ProcessOf(viewer));
    PostMessageA(viewer, WM_CLOSE, 0, 0);
    if (process) {
        WaitForSingleObject(process, 10000);
        CloseHandle(process);
    }
}

std::optional<DWORD> RunToEnd(const std::string& exe, const std::string& arguments, Duration timeout) {
    return RunToEnd(Widen(exe), Widen(arguments), timeout);
}

std::optional<DWORD> RunToEnd(const std::wstring& exe, const std::wstring& arguments, Duration timeout) {
    Process run = Process::Launch(exe, arguments);
    return run.WaitForExit(timeout) ? run.ExitCode() : std::nullopt;
}

}  // namespace harness
