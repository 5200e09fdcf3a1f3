#pragma once

#include <optional>
#include <string>

namespace e2e {

// The clipboard's CF_TEXT, or nothing when it holds no text or stays busy.
// Tests share the clipboard with the program (one prefix, one desktop).
std::optional<std::string> ReadClipboardText();
// Empties the clipboard, so a later copy is not mistaken for an earlier one.
bool ClearClipboard();

}  // namespace e2e
