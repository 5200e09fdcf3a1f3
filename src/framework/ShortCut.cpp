#include "framework/ShortCut.h"

#include <string_view>

#include "framework/Exception.h"

namespace fw {

namespace {

constexpr unsigned kVkF1 = 0x70;

// The modifiers as the text writes them, in the order it writes them.
struct TModifier {
    std::string_view text;
    bool TShortCut::*held;
};
constexpr TModifier kModifiers[] = {{"Ctrl+", &TShortCut::ctrl},
                                    {"Shift+", &TShortCut::shift},
                                    {"Alt+", &TShortCut::alt}};

// Keys with a name of their own.
struct TNamedKey {
    std::string_view name;
    unsigned key;
};
constexpr TNamedKey kNamedKeys[] = {{"Apps", 0x5D}, {"Ins", 0x2D}};  // the menu key, Insert

unsigned ParseKey(const std::string& name) {
    for (const TNamedKey& named : kNamedKeys) {
        if (name == named.name)
            return named.key;
    }
    if (name.size() == 1) {
        char c = name[0];
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
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
    std::string_view rest = text;
    for (bool more = true; more;) {
        more = false;
        for (const TModifier& m : kModifiers) {
            if (rest.starts_with(m.text)) {
                sc.*m.held = true;
                more = true;
                rest.remove_prefix(m.text.size());
            }
        }
    }
    sc.key = ParseKey(std::string(rest));
    if (sc.key == 0)
        throw Exception("unknown shortcut: " + text);
    return sc;
}

std::string ShortCutToText(const TShortCut& sc) {
    if (sc.Empty())
        return {};
    std::string text;
    for (const TModifier& m : kModifiers) {
        if (sc.*m.held)
            text += m.text;
    }
    for (const TNamedKey& named : kNamedKeys) {
        if (sc.key == named.key)
            return text.append(named.name);
    }
    if (sc.key >= kVkF1 && sc.key < kVkF1 + 24)
        text += "F" + std::to_string(sc.key - kVkF1 + 1);
    else
        text += static_cast<char>(sc.key);
    return text;
}

}  // namespace fw
