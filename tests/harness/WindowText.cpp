#include "WindowText.h"

#include <optional>

namespace harness {

namespace {

// A hung target must fail the test, not hang it.
constexpr UINT kAnswerTimeoutMs = 5000;

std::optional<LRESULT> Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

}  // namespace

std::string WindowText(HWND window) {
    const auto length = Ask(window, WM_GETTEXTLENGTH, 0, 0);
    if (!length || *length <= 0) {
        return {};
    }
    // WM_GETTEXTLENGTH may overstate the length (it can count in another character
    // set); the copy's own count is the true one.
    std::string text(static_cast<size_t>(*length) + 1, '\0');
    const auto copied = Ask(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied && *copied > 0 ? static_cast<size_t>(*copied) : 0);
    return text;
}

std::pair<int, int> EditSelection(HWND edit) {
    const auto packed = Ask(edit, EM_GETSEL, 0, 0).value_or(0);
    return {LOWORD(packed), HIWORD(packed)};
}

bool Settle(HWND window, Duration timeout) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(timeout.count()), &ignored) != 0;
}

}  // namespace harness
