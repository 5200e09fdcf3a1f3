#include "tray/TrayClickRules.h"

#include <algorithm>

namespace tray {

namespace {

// The button's own flag joins the keys: ssLeft, ssRight and ssMiddle follow the buttons' order.
TrayStep Mouse(TrayAction action, fw::TMouseButton button, fw::TShiftState keys) {
    static_assert(fw::ssRight == fw::ssLeft << 1 && fw::ssMiddle == fw::ssLeft << 2);
    return {action, button, keys | fw::ssLeft << static_cast<int>(button)};
}

}  // namespace

std::vector<TrayStep> TrayNoticeSteps(std::int64_t mouseMessage, const TrayNoticeState& state, fw::TShiftState keys) {
    using enum TrayAction;
    using fw::TMouseButton;
    switch (mouseMessage) {
        case kMouseMove:
            return {{MouseMove, TMouseButton::mbLeft, keys}};
        case kLButtonDown: {
            std::vector<TrayStep> steps{Mouse(MouseDown, TMouseButton::mbLeft, keys), {SetClickPending}};
            if (state.leftPopup)
                steps.push_back({ShowMenu});
            return steps;
        }
        case kLButtonUp:
            if (state.clickPending)
                return {{ClearClickPending}, {Click}, Mouse(MouseUp, TMouseButton::mbLeft, keys)};
            return {Mouse(MouseUp, TMouseButton::mbLeft, keys)};
        case kLButtonDblClk:
            // A left-button menu would open on the press anyway; no item runs by itself then.
            if (state.menuAutoPopup && !state.leftPopup)
                return {{DblClick}, {RunDefaultItem}};
            return {{DblClick}};
        case kRButtonDown:
            return {Mouse(MouseDown, TMouseButton::mbRight, keys), {ShowMenu}};
        case kRButtonUp:
            return {Mouse(MouseUp, TMouseButton::mbRight, keys)};
        case kMButtonDown:
            return {Mouse(MouseDown, TMouseButton::mbMiddle, keys)};
        case kMButtonUp:
            return {Mouse(MouseUp, TMouseButton::mbMiddle, keys)};
        default:
            // The right and middle double clicks, and anything else, do nothing.
            return {};
    }
}

fw::TShiftState ShiftFromKeys(bool shift, bool ctrl, bool alt) {
    return (shift ? fw::ssShift : 0) | (ctrl ? fw::ssCtrl : 0) | (alt ? fw::ssAlt : 0);
}

int FirstDefaultIndex(const std::vector<bool>& defaultFlags) {
    auto it = std::find(defaultFlags.begin(), defaultFlags.end(), true);
    return it == defaultFlags.end() ? -1 : static_cast<int>(it - defaultFlags.begin());
}

std::string TipText(const std::string& hint, bool showHint) {
    if (hint.empty() || !showHint)
        return {};
    // One byte is one character in the ANSI record.
    return hint.substr(0, std::min(hint.size(), kMaxTipLength));
}

int ClampIconIndex(int index, int count) {
    // A negative count is an empty list; count - 1 then cannot overflow.
    count = std::max(count, 0);
    return index >= count ? count - 1 : index;
}

int NextCycleIndex(int index, int count) {
    count = std::max(count, 0);
    return index >= count - 1 ? 0 : index + 1;
}

}  // namespace tray
