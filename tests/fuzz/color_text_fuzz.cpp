// Colour text: the HTML code a colour is shown as, and the text read back from the HTML
// box or the clipboard, which may hold anything.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "shared/ColorText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::uint32_t color = input.ConsumeIntegral<std::uint32_t>();
    const std::string text = input.ConsumeRemainingBytesAsString();

    // Any value gives "#RRGGBB", and reading it back gives the colour's three bytes.
    const std::string html = huetrove::ExplicitColorToHTML(color);
    Check(html.size() == 7 && html[0] == '#');
    const std::uint32_t rgb = huetrove::HexToInt(html.substr(1));
    Check(rgb == ((color & 0xFFu) << 16 | (color & 0xFF00u) | (color >> 16 & 0xFFu)));
    const auto parts = huetrove::DecimalComponents(html);
    Check(parts[0] == std::to_string(rgb >> 16) && parts[1] == std::to_string(rgb >> 8 & 0xFFu) &&
          parts[2] == std::to_string(rgb & 0xFFu));

    // Any text: the components are decimal numbers of at most two hexadecimal digits.
    (void)huetrove::HexToInt(text);
    for (const std::string& part : huetrove::DecimalComponents(text))
        Check(!part.empty() && std::stoul(part) <= 0xFF);
    return 0;
}
