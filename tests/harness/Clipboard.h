#pragma once
// The clipboard as another program sees it: its text, its formats, and holding it open.
#include <optional>
#include <string>
#include <thread>

#include "Wait.h"

namespace harness {

// The clipboard's CF_TEXT, or nothing when it holds no text or stays busy.
// Tests share the clipboard with the program (one prefix, one desktop).
std::optional<std::string> ReadClipboardText();
// Empties the clipboard, so a later copy is not mistaken for an earlier one.
bool ClearClipboard();
// Whether the clipboard offers a registered format ("Rich Text Format", ...).
bool ClipboardHasFormat(const char* registeredName);

// Another program holding the clipboard open, as clipboard history or a remote session
// does for moments: a thread of this process opens it and keeps it for `duration`. The
// object's end waits for the hold's end.
class ClipboardHold {
public:
    explicit ClipboardHold(Duration duration);
    ~ClipboardHold();
    ClipboardHold(const ClipboardHold&) = delete;
    ClipboardHold& operator=(const ClipboardHold&) = delete;
    // Whether the hold began: the clipboard was opened.
    bool Held() const { return held_; }

private:
    bool held_ = false;
    std::thread holder_;
};

}  // namespace harness
