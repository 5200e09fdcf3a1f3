#pragma once
// Sequences of the shell's tray notices and the events each fires, in their order: one
// table for the click rules alone and for the tray component in a real tray.
#include <cstdint>
#include <string>
#include <vector>

#include "tray/TrayClickRules.h"

namespace tray::sequences {

inline constexpr std::int64_t kMButtonDblClk = 0x0209;

struct TraySequence {
    bool leftPopup = false;
    // A menu that opens by itself, its first item the default ("default" when it runs).
    bool menu = false;
    std::vector<std::int64_t> notices;
    std::vector<std::string> fired;  // "down left", "click", "dblclick", "menu", "move", ...
};

// The shell's own order: press, release, double-click, release.
inline const TraySequence kDoubleClickIsOneClickThenOneDblClick{
    .menu = true,
    .notices = {kLButtonDown, kLButtonUp, kLButtonDblClk, kLButtonUp},
    .fired = {"down left", "click", "up left", "dblclick", "default", "up left"}};

// The last release has no press before it.
inline const TraySequence kEveryReleaseAfterAPressClicksOnce{
    .notices = {kLButtonDown, kLButtonUp, kLButtonDown, kLButtonUp, kLButtonDown, kLButtonUp, kLButtonUp},
    .fired = {"down left", "click", "up left", "down left", "click", "up left", "down left", "click", "up left",
              "up left"}};

// The right press opens the menu before the release arrives.
inline const TraySequence kMiddleAndRightDoubleClicksFireOnlyTheirOwnEvents{
    .menu = true,
    .notices = {kMButtonDown, kMButtonUp, kMButtonDblClk, kMButtonUp, kMouseMove, kRButtonDown, kRButtonUp,
                kRButtonDblClk, kRButtonUp},
    .fired = {"down middle", "up middle", "up middle", "move", "down right", "menu", "up right", "up right"}};

inline const TraySequence kLeftPopupOpensOnTheLeftPressAndRunsNoDefaultItem{
    .leftPopup = true,
    .menu = true,
    .notices = {kLButtonDown, kLButtonUp, kLButtonDblClk, kLButtonUp},
    .fired = {"down left", "menu", "click", "up left", "dblclick", "up left"}};

}  // namespace tray::sequences
