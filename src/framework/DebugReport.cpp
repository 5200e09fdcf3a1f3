#include "framework/DebugReport.h"

namespace fw {

namespace {

void ToDebugger(const char* text) {
    OutputDebugStringA(text);
}

TDebugSink sink = &ToDebugger;

}  // namespace

std::string FailureText(std::string_view call, DWORD error) {
    return std::string(call) + " failed: error " + std::to_string(error) + "\n";
}

TDebugSink SetDebugSink(TDebugSink replacement) {
    const TDebugSink previous = sink;
    sink = replacement ? replacement : &ToDebugger;
    return previous;
}

void EmitFailure(std::string_view call, DWORD error) {
    sink(FailureText(call, error).c_str());
}

}  // namespace fw
