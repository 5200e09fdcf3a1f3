// The tray's click and icon rules: the shell's notices carry any message number, and the
// icon index and list size come from the program's properties.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "tray/TrayClickRules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::int64_t message = input.ConsumeIntegral<std::int64_t>();
    const tray::TrayNoticeState state{
        .clickPending = input.ConsumeBool(), .leftPopup = input.ConsumeBool(), .menuAutoPopup = input.ConsumeBool()};
    const fw::TShiftState keys = tray::ShiftFromKeys(input.ConsumeBool(), input.ConsumeBool(), input.ConsumeBool());
    const std::vector<tray::TrayStep> steps = tray::TrayNoticeSteps(message, state, keys);
    Check(steps.size() <= 3);

    const int index = input.ConsumeIntegral<int>();
    const int count = input.ConsumeIntegral<int>();
    const int clamped = tray::ClampIconIndex(index, count);
    Check(clamped <= index && (count <= 0 || clamped < count));
    const int next = tray::NextCycleIndex(index, count);
    Check(next == 0 || next == index + 1);

    std::vector<bool> defaults(input.ConsumeIntegralInRange<std::size_t>(0, 64));
    for (std::size_t i = 0; i < defaults.size(); ++i)
        defaults[i] = input.ConsumeBool();
    const int first = tray::FirstDefaultIndex(defaults);
    Check(first == -1 || defaults[static_cast<std::size_t>(first)]);

    const bool showHint = input.ConsumeBool();
    const std::string hint = input.ConsumeRemainingBytesAsString();
    const std::string tip = tray::TipText(hint, showHint);
    Check(tip.size() <= tray::kMaxTipLength && hint.starts_with(tip));
    return 0;
}
