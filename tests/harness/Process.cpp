#include "Process.h"

#include <stdexcept>
#include <utility>
#include <vector>

namespace e2e {

namespace {

constexpr DWORD kTerminateWaitMs = 10000;

DWORD ToMilliseconds(Duration timeout) {
    return timeout.count() <= 0 ? 0 : static_cast<DWORD>(timeout.count());
}

}  // namespace

Process Process::Launch(const std::string& exe, const std::string& arguments, const std::string& workingDirectory) {
    std::string commandLine = "\"" + exe + "\"";
    if (!arguments.empty()) {
        commandLine += " " + arguments;
    }
    // CreateProcessA may write into the command line, so it needs its own buffer.
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup, &info)) {
        throw std::runtime_error("cannot start " + exe + " (error " + std::to_string(GetLastError()) + ")");
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

}  // namespace e2e
