#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "Wait.h"

namespace e2e {

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

}  // namespace e2e
