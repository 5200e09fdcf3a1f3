// The stored settings' rules: whatever the registry holds (a position, the double-click
// action, the chart's name) is read through these, and may have been written by anyone.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "palettes/ChartCatalogue.h"
#include "settings/StoredSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    auto anyInt = [&input] { return input.ConsumeIntegral<int>(); };
    // The DPIs the system reports, with room to spare: from 1 to four times its highest scale.
    const int dpi = input.ConsumeIntegralInRange(1, 1920);

    // A stored position of any two numbers, on any work areas, for a window of the
    // system's sizes: kept, or the fallback.
    const settings::Point stored{anyInt(), anyInt()};
    const int outerWidth = input.ConsumeIntegralInRange(0, 1 << 16);
    const int outerHeight = input.ConsumeIntegralInRange(0, 1 << 16);
    std::vector<settings::Rect> areas(input.ConsumeIntegralInRange(0, 4));
    for (settings::Rect& area : areas)
        area = {anyInt(), anyInt(), anyInt(), anyInt()};
    const settings::Point fallback{anyInt(), anyInt()};
    const settings::Point placed =
        settings::KeepOrFallbackPosition(stored, outerWidth, outerHeight, areas, fallback, dpi);
    Check(placed == stored || placed == fallback);
    (void)settings::CaptionWithinReach({anyInt(), anyInt(), anyInt(), anyInt()}, areas, dpi);

    // The first-run place on a screen of the system's sizes.
    (void)settings::DefaultWindowPosition(input.ConsumeIntegralInRange(0, 1 << 16),
                                          input.ConsumeIntegralInRange(0, 1 << 16), outerWidth, outerHeight, dpi);

    // The stored action and chart name, and a key path: any text.
    const std::string text = input.ConsumeRemainingBytesAsString();
    const std::string_view action = settings::ComboTextToAction(settings::ActionToComboText(text));
    Check(action == text || action == settings::kActionNone);
    (void)settings::ComboTextToAction(text);
    (void)settings::RouteActivePS(text);
    const palettes::ChartEntry* chart = palettes::FindChart(text);
    Check(!chart || chart->identifier == text);
    const std::string_view relative = settings::RelativeKeyPath(text);
    Check(relative.empty() || relative.front() != '\\');
    Check(std::string_view(text).ends_with(relative));
    return 0;
}
