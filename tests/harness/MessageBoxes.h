#pragma once
// Message boxes a test expects or must not see: found, read and answered.
#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "Wait.h"

namespace harness {

struct DialogButton {
    HWND window;
    int id;            // IDOK, IDCANCEL, IDYES, IDNO...
    std::string text;  // as shown, with its '&'
};

// What a standard message box (dialog class "#32770") shows.
struct MessageBoxInfo {
    HWND window = nullptr;
    HWND owner = nullptr;
    std::string caption;
    std::string text;     // the message: the static controls that hold text, joined by newlines
    HWND icon = nullptr;  // the icon's static control, null when there is none
    std::vector<DialogButton> buttons;

    const DialogButton* ButtonById(int id) const;
};

MessageBoxInfo ReadMessageBox(HWND dialog);
// The visible message boxes (and other standard dialogs) of a process.
std::vector<MessageBoxInfo> MessageBoxes(DWORD processId);
std::optional<MessageBoxInfo> WaitForMessageBox(DWORD processId, Duration timeout);

// Clicks a dialog button as the user would, without moving focus or the mouse.
void ClickButton(HWND button);

// Plays the user for the dialogs of this process while the test's own thread runs their
// modal loops: a thread of its own reads each standard dialog once it shows, hands it
// to `answer` and keeps what it said. The default answer is OK.
class DialogWatcher {
public:
    explicit DialogWatcher(std::function<void(HWND dialog)> answer = {});
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    // Every dialog seen so far, in the order they showed.
    std::vector<MessageBoxInfo> Seen() const;

private:
    void Run();

    std::function<void(HWND)> answer_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<MessageBoxInfo> seen_;
    std::set<HWND> answered_;
    std::thread thread_;
};

}  // namespace harness
