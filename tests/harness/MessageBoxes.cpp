#include "MessageBoxes.h"

#include <algorithm>

#include "WindowFinder.h"
#include "WindowText.h"

namespace harness {

namespace {

constexpr char kDialogClass[] = "#32770";

}  // namespace

const DialogButton* MessageBoxInfo::ButtonById(int id) const {
    const auto button = std::ranges::find(buttons, id, &DialogButton::id);
    return button == buttons.end() ? nullptr : &*button;
}

MessageBoxInfo ReadMessageBox(HWND dialog) {
    MessageBoxInfo info;
    info.window = dialog;
    info.owner = Owner(dialog);
    info.caption = Caption(dialog);
    for (HWND control : ChildWindows(dialog)) {
        const std::string className = ClassName(control);
        if (className == "Static") {
            if ((GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
                info.icon = control;
                continue;
            }
            const std::string text = WindowText(control);
            if (!text.empty()) {
                info.text += (info.text.empty() ? "" : "\n") + text;
            }
        } else if (className == "Button") {
            info.buttons.push_back({control, GetDlgCtrlID(control), WindowText(control)});
        }
    }
    return info;
}

std::vector<MessageBoxInfo> MessageBoxes(DWORD processId) {
    std::vector<MessageBoxInfo> boxes;
    for (HWND dialog : TopLevelWindows(processId, {.className = kDialogClass, .visibleOnly = true}))
        boxes.push_back(ReadMessageBox(dialog));
    return boxes;
}

std::optional<MessageBoxInfo> WaitForMessageBox(DWORD processId, Duration timeout) {
    HWND dialog = WaitForTopLevelWindow(processId, {.className = kDialogClass, .visibleOnly = true}, timeout);
    return dialog ? std::optional(ReadMessageBox(dialog)) : std::nullopt;
}

void ClickButton(HWND button) {
    // Posted: the click ends the box's modal loop, and a sent message would wait on it.
    PostMessageA(button, BM_CLICK, 0, 0);
}

DialogWatcher::DialogWatcher(std::function<void(HWND)> answer)
    : answer_(answer ? std::move(answer) : [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDOK, 0); }),
      thread_([this] { Run(); }) {}

DialogWatcher::~DialogWatcher() {
    stop_ = true;
    thread_.join();
}

std::vector<MessageBoxInfo> DialogWatcher::Seen() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

void DialogWatcher::Run() {
    while (!stop_) {
        for (HWND dialog : TopLevelWindows(GetCurrentProcessId(), {.className = kDialogClass, .visibleOnly = true})) {
            if (!answered_.insert(dialog).second)
                continue;
            MessageBoxInfo info = ReadMessageBox(dialog);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                seen_.push_back(std::move(info));
            }
            answer_(dialog);
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

}  // namespace harness
