#include "Clipboard.h"

#include <windows.h>

#include "Wait.h"

namespace harness {

namespace {

// Another process may hold the clipboard open for a moment.
constexpr Duration kOpenTimeout = 2s;

class OpenedClipboard {
public:
    OpenedClipboard() : open_(WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, kOpenTimeout)) {}
    ~OpenedClipboard() {
        if (open_) {
            CloseClipboard();
        }
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;

    bool IsOpen() const { return open_; }

private:
    bool open_;
};

}  // namespace

std::optional<std::string> ReadClipboardText() {
    OpenedClipboard clipboard;
    if (!clipboard.IsOpen()) {
        return std::nullopt;
    }
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data) {
        return std::nullopt;
    }
    const auto* text = static_cast<const char*>(GlobalLock(data));
    if (!text) {
        return std::nullopt;
    }
    std::string result(text, GlobalSize(data));
    GlobalUnlock(data);
    result.resize(result.find('\0') == std::string::npos ? result.size() : result.find('\0'));
    return result;
}

bool ClearClipboard() {
    OpenedClipboard clipboard;
    return clipboard.IsOpen() && EmptyClipboard();
}

bool ClipboardHasFormat(const char* registeredName) {
    return IsClipboardFormatAvailable(RegisterClipboardFormatA(registeredName)) != FALSE;
}

ClipboardHold::ClipboardHold(Duration duration) {
    holder_ = std::thread([this, duration] {
        const bool opened = WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, kOpenTimeout);
        {
            std::lock_guard lock(mutex_);
            begun_ = true;
            held_ = opened;
        }
        started_.notify_one();
        if (!opened) {
            return;
        }
        // The hold is the point: it lasts its time, whatever the program does meanwhile.
        std::this_thread::sleep_for(duration);
        CloseClipboard();
    });
    std::unique_lock lock(mutex_);
    started_.wait(lock, [this] { return begun_; });
}

ClipboardHold::~ClipboardHold() {
    holder_.join();
}

}  // namespace harness
