#pragma once
// What Windows records about where a downloaded file came from: the text of its
// Zone.Identifier stream ("[ZoneTransfer]", then "ZoneId=3" for the internet).
#include <string_view>

namespace huetrove {

inline constexpr int kLocalMachineZone = 0;
inline constexpr int kInternetZone = 3;
inline constexpr int kRestrictedZone = 4;

// The zone the stream's text names; the local machine when it names none.
int ZoneIdOf(std::string_view streamText);

// Whether files of the zone are blocked, as the help viewer blocks the pages of a help
// file that came from the internet.
constexpr bool BlockedZone(int zone) {
    return zone == kInternetZone || zone == kRestrictedZone;
}

}  // namespace huetrove
