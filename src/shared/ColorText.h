#pragma once
// The text forms of a colour: the HTML code "#RRGGBB" and the decimal components read
// back from it. Portable: resolving system colours happens in BaseFunctions.
#include <array>
#include <cstdint>
#include <string>

namespace huetrove {

// An explicit colour value ($00BBGGRR) as "#" + RR + GG + BB in upper-case hexadecimal.
std::string ExplicitColorToHTML(std::uint32_t color);

// A hexadecimal text to an integer: lower case accepted, any other character adds
// nothing but still shifts. Every character counts, however long the text.
std::uint32_t HexToInt(const std::string& text);

// Red, green and blue of an HTML text, each in decimal ("#0A0B0C" gives 10, 11, 12).
std::array<std::string, 3> DecimalComponents(const std::string& html);

}  // namespace huetrove
