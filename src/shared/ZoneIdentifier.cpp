#include "shared/ZoneIdentifier.h"

namespace huetrove {

int ZoneIdOf(std::string_view streamText) {
    constexpr std::string_view kKey = "ZoneId=";
    while (!streamText.empty()) {
        const size_t end = streamText.find_first_of("\r\n");
        std::string_view line = streamText.substr(0, end);
        streamText = end == std::string_view::npos ? std::string_view() : streamText.substr(end + 1);
        if (line.substr(0, kKey.size()) != kKey)
            continue;
        line.remove_prefix(kKey.size());
        if (line.empty() || line.size() > 2)
            return kLocalMachineZone;
        int zone = 0;
        for (char c : line) {
            if (c < '0' || c > '9')
                return kLocalMachineZone;
            zone = zone * 10 + (c - '0');
        }
        return zone;
    }
    return kLocalMachineZone;
}

}  // namespace huetrove
