#include "shared/ColorText.h"

namespace huetrove {

std::string ExplicitColorToHTML(std::uint32_t color) {
    // Red first: the value holds $00BBGGRR. Only the three colour bytes count.
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string html = "#";
    for (int shift = 0; shift < 24; shift += 8) {
        const unsigned byte = (color >> shift) & 0xFFu;
        html += kDigits[byte >> 4];
        html += kDigits[byte & 0xFu];
    }
    return html;
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
