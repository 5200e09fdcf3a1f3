#include "Clipboard.h"

#include <windows.h>

#include <cstring>
#include <future>

#include "Wait.h"

namespace harness {

namespace {

// Another process may hold the clipboard open for a moment.
constexpr Duration kOpenTimeout = 2s;

bool OpenWithin() {
    return WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, kOpenTimeout);
}

// The clipboard opened by this thread, closed with its owner.
class OpenedClipboard {
public:
    OpenedClipboard() = default;
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    ~OpenedClipboard() {
        if (open)
            CloseClipboard();
    }

    const bool open = OpenWithin();
};

}  // namespace

std::optional<std::string> ReadClipboardText() {
    OpenedClipboard clipboard;
    HANDLE data = clipboard.open ? GetClipboardData(CF_TEXT) : nullptr;
    const auto* text = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (!text)
        return std::nullopt;
    std::string result(text, strnlen(text, GlobalSize(data)));
    GlobalUnlock(data);
    return result;
}

bool ClearClipboard() {
    OpenedClipboard clipboard;
    return clipboard.open && EmptyClipboard();
}

bool ClipboardHasFormat(const char* registeredName) {
    return IsClipboardFormatAvailable(RegisterClipboardFormatA(registeredName)) != FALSE;
}

ClipboardHold::ClipboardHold(Duration duration) {
    std::promise<bool> opened;
    std::future<bool> held = opened.get_future();
    holder_ = std::thread([duration, opened = std::move(opened)]() mutable {
        const bool open = OpenWithin();
        opened.set_value(open);
        if (!open)
            return;
        // The hold is the point: it lasts its time, whatever the program does meanwhile.
        std::this_thread::sleep_for(duration);
        CloseClipboard();
    });
    held_ = held.get();
}

ClipboardHold::~ClipboardHold() {
    holder_.join();
}

}  // namespace harness
