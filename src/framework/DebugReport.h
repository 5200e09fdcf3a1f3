#pragma once
// Win32 calls whose failure the program goes on without (a window class, a subclass, a
// menu item, the tooltip window): a debug build reports each failure to the debugger's
// output with the call's name and the system's error number; a release build compiles the
// report away and stays silent, as the program always is towards the user.
#include <windows.h>

#include <string>
#include <string_view>

namespace fw {

// The line a failed call is reported as.
std::string FailureText(std::string_view call, DWORD error);

// Seam for tests: where reports go, OutputDebugStringA unless a test puts its own sink in. Returns the
// sink it replaces.
using TDebugSink = void (*)(const char* text);
TDebugSink SetDebugSink(TDebugSink sink);

// Hands the line for `call` and `error` to the sink.
void EmitFailure(std::string_view call, DWORD error);

// Reports that `call` has just failed, with GetLastError; nothing in a release build.
inline void ReportFailure([[maybe_unused]] std::string_view call) {
#ifndef NDEBUG
    EmitFailure(call, GetLastError());
#endif
}

// Passes a call's result through, and reports the call when the result says it failed.
template <typename T>
T Reported(T result, std::string_view call) {
    if (!result)
        ReportFailure(call);
    return result;
}

}  // namespace fw
