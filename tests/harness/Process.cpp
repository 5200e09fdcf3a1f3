#include "Process.h"

#include <stdexcept>
#include <utility>
#include <vector>

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

// For messages: any path, whatever its script.
std::string Utf8(const std::wstring& text) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

}  // namespace

Process Process::Launch(const std::string& exe, const std::string& arguments, const std::string& workingDirectory) {
    return Launch(Widen(exe), Widen(arguments), Widen(workingDirectory));
}

Process Process::Launch(const std::wstring& exe, const std::wstring& arguments, const std::wstring& workingDirectory) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) {
        commandLine += L" " + arguments;
    }
    // CreateProcessW may write into the command line, so it needs its own buffer.
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup, &info)) {
        throw std::runtime_error("cannot start " + Utf8(exe) + " (error " + std::to_string(GetLastError()) + ")");
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
