#include "main/ColorText.h"

#include <cstdio>

namespace huetrove {

std::string ExplicitColorToHTML(std::uint32_t color) {
    // Only the three colour bytes count; a stray flag byte must not shift the digits.
    char bgr[16];
    std::snprintf(bgr, sizeof bgr, "%06X", static_cast<unsigned>(color & 0xFFFFFFu));
    const std::string digits(bgr);
    return "#" + digits.substr(4, 2) + digits.substr(2, 2) + digits.substr(0, 2);
}

std::uint32_t HexToInt(const std::string& text) {
    std::uint32_t value = 0;
    for (char raw : text) {
        value <<= 4;
        char c = raw;
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c >= '0' && c <= '9')
            value += static_cast<std::uint32_t>(c - '0');
        else if (c >= 'A' && c <= 'F')
            value += static_cast<std::uint32_t>(c - 'A' + 10);
    }
    return value;
}

std::array<std::string, 3> DecimalComponents(const std::string& html) {
    auto part = [&html](size_t from) {
        const std::string digits = from < html.size() ? html.substr(from, 2) : std::string();
        return std::to_string(HexToInt(digits));
    };
    return {part(1), part(3), part(5)};
}

}  // namespace huetrove
