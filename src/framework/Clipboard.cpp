#include "framework/Clipboard.h"

#include <cstring>

#include "framework/Handles.h"

namespace fw {

namespace {

// The clipboard opened for one change, closed again whatever happens.
class OpenedClipboard {
public:
    OpenedClipboard(HWND owner, DWORD patienceMs) : open_(OpenWithPatience(owner, patienceMs)) {}
    ~OpenedClipboard() {
        if (open_)
            CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool IsOpen() const { return open_; }

private:
    static bool OpenWithPatience(HWND owner, DWORD patienceMs) {
        const ULONGLONG deadline = GetTickCount64() + patienceMs;
        for (;;) {
            if (OpenClipboard(owner))
                return true;
            if (GetTickCount64() >= deadline)
                return false;
            // Short waits; what other programs send meanwhile (a screen reader's question,
            // a broadcast) is still answered, and nothing posted is taken out of turn.
            if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_SENDMESSAGE) == WAIT_OBJECT_0) {
                MSG msg;
                PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
            }
        }
    }

    bool open_;
};

}  // namespace

bool PutClipboardText(HWND owner, std::wstring_view text, DWORD patienceMs) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory)
        return false;
    auto* target = static_cast<wchar_t*>(GlobalLock(memory.Get()));
    if (!target)
        return false;
    std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
    target[text.size()] = L'\0';
    GlobalUnlock(memory.Get());

    OpenedClipboard clipboard(owner, patienceMs);
    if (!clipboard.IsOpen() || !EmptyClipboard())
        return false;
    // Unicode text alone: the system offers it to readers of the older text formats.
    if (!SetClipboardData(CF_UNICODETEXT, memory.Get()))
        return false;
    memory.Release();  // the clipboard owns it now
    return true;
}

}  // namespace fw
