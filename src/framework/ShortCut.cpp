#include "framework/ShortCut.h"

#include <stdexcept>

namespace fw {

namespace {

constexpr unsigned kVkF1 = 0x70;

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

unsigned ParseKey(const std::string& name) {
    if (name.size() == 1) {
        char c = name[0];
        if (c >= 'A' && c <= 'Z')
            return static_cast<unsigned>(c);
        if (c >= '0' && c <= '9')
            return static_cast<unsigned>(c);
    }
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
        int n = 0;
        for (size_t i = 1; i < name.size(); ++i) {
            if (name[i] < '0' || name[i] > '9')
                return 0;
            n = n * 10 + (name[i] - '0');
        }
        if (n >= 1 && n <= 24)
            return kVkF1 + static_cast<unsigned>(n - 1);
    }
    return 0;
}

}  // namespace

TShortCut ParseShortCut(const std::string& text) {
    TShortCut sc;
    if (text.empty())
        return sc;
    std::string rest = text;
    for (;;) {
        if (StartsWith(rest, "Ctrl+")) {
            sc.ctrl = true;
            rest.erase(0, 5);
        } else if (StartsWith(rest, "Shift+")) {
            sc.shift = true;
            rest.erase(0, 6);
        } else if (StartsWith(rest, "Alt+")) {
            sc.alt = true;
            rest.erase(0, 4);
        } else {
            break;
        }
    }
    sc.key = ParseKey(rest);
    if (sc.key == 0)
        throw std::invalid_argument("unknown shortcut: " + text);
    return sc;
}

std::string ShortCutToText(const TShortCut& sc) {
    if (sc.Empty())
        return {};
    std::string text;
    if (sc.ctrl)
        text += "Ctrl+";
    if (sc.shift)
        text += "Shift+";
    if (sc.alt)
        text += "Alt+";
    if (sc.key >= kVkF1 && sc.key < kVkF1 + 24)
        text += "F" + std::to_string(sc.key - kVkF1 + 1);
    else
        text += static_cast<char>(sc.key);
    return text;
}

}  // namespace fw
