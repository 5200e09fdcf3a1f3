#include "MessageBoxes.h"

#include "WindowFinder.h"
#include "WindowText.h"

namespace e2e {

namespace {

constexpr char kDialogClass[] = "#32770";

bool IsIconStatic(HWND control) {
    const auto style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
    return (style & SS_TYPEMASK) == SS_ICON;
}

}  // namespace

const DialogButton* MessageBoxInfo::ButtonById(int id) const {
    for (const auto& button : buttons) {
        if (button.id == id) {
            return &button;
        }
    }
    return nullptr;
}

MessageBoxInfo ReadMessageBox(HWND dialog) {
    MessageBoxInfo info;
    info.window = dialog;
    info.owner = Owner(dialog);
    info.caption = Caption(dialog);
    for (HWND control : ChildWindows(dialog)) {
        const std::string className = ClassName(control);
        if (className == "Static") {
            if (IsIconStatic(control)) {
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
    for (HWND dialog : TopLevelWindows(processId, {.className = kDialogClass, .visibleOnly = true})) {
        boxes.push_back(ReadMessageBox(dialog));
    }
    return boxes;
}

std::optional<MessageBoxInfo> WaitForMessageBox(DWORD processId, Duration timeout) {
    HWND dialog = WaitForTopLevelWindow(processId, {.className = kDialogClass, .visibleOnly = true}, timeout);
    if (!dialog) {
        return std::nullopt;
    }
    return ReadMessageBox(dialog);
}

void ClickButton(HWND button) {
    // Posted: the click ends the box's modal loop, and a sent message would wait on it.
    PostMessageA(button, BM_CLICK, 0, 0);
}

}  // namespace e2e
