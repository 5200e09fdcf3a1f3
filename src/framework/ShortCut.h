#pragma once
// Shortcuts written as text ("F1", "Ctrl+S", "Ctrl+F1", "Ctrl+Ins", "Apps" for the menu key), parsed into a key and
// modifiers. Key numbers are the Windows virtual-key codes, kept here as plain numbers so
// this stays portable.
#include <string>

namespace fw {

struct TShortCut {
    unsigned key = 0;  // 0: no shortcut
    bool ctrl = false;
    bool shift = false;
    bool alt = false;

    bool Empty() const { return key == 0; }
    bool operator==(const TShortCut&) const = default;
};

// Throws Exception for a text it cannot read, so a typo in a menu description is
// caught when the menu is built rather than silently dropped.
TShortCut ParseShortCut(const std::string& text);
std::string ShortCutToText(const TShortCut& shortCut);

}  // namespace fw
