#include "Steps.h"

#include <cstdio>
#include <optional>

#include "MessageBoxes.h"
#include "Program.h"
#include "WindowFinder.h"
#include "WindowText.h"

namespace harness {

namespace {

// This test program's file name, so that a report read away from its test still says whose it is.
std::string ProgramName() {
    const std::string full = ThisTestProgram();
    return full.substr(full.find_last_of("\\/") + 1);
}

// Counts of this process, reported once more when it ends.
struct Tally {
    int steps = 0;
    int repeats = 0;
    ~Tally() {
        std::printf("[ input    ] %s: %d input steps, %d inputs sent again\n", ProgramName().c_str(), steps, repeats);
        std::fflush(stdout);
    }
};

Tally& Counts() {
    static Tally tally;
    return tally;
}

// The caption's close box: the middle of the points the window itself calls its close box.
std::optional<POINT> CloseBoxPoint(HWND window) {
    const RECT r = WindowRect(window);
    const int captionHeight = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME) * 2 + 4;
    long sumX = 0, sumY = 0, count = 0;
    for (int x = r.right - 2 * captionHeight; x < r.right; ++x) {
        for (int y = r.top; y < r.top + captionHeight; ++y) {
            if (SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
                sumX += x;
                sumY += y;
                ++count;
            }
        }
    }
    if (count == 0)
        return std::nullopt;
    return POINT{sumX / count, sumY / count};
}

// Whether `window` or one of its children lies under a screen point.
bool Under(HWND window, POINT screenPoint) {
    HWND there = WindowFromPoint(screenPoint);
    return there && GetAncestor(there, GA_ROOT) == GetAncestor(window, GA_ROOT);
}

}  // namespace

bool SendUntil(const std::string& what, const std::function<bool()>& send, const std::function<bool()>& done,
               StepLimits limits) {
    ++Counts().steps;
    for (int attempt = 1;; ++attempt) {
        const bool sent = send();
        if (sent && WaitUntil(done, limits.deadline))
            return true;
        // Looked at once more right before a repeat: an effect that came at the deadline counts.
        if (done())
            return true;
        if (attempt >= limits.attempts) {
            std::printf("[ input    ] %s: %s: no effect after %d attempts of %lld ms\n", ProgramName().c_str(),
                        what.c_str(), attempt, static_cast<long long>(limits.deadline.count()));
            std::fflush(stdout);
            return false;
        }
        ++Counts().repeats;
        std::printf("[ input    ] %s: %s: %s, sent again (repeat %d)\n", ProgramName().c_str(), what.c_str(),
                    sent ? ("no effect within " + std::to_string(limits.deadline.count()) + " ms").c_str()
                         : "the input could not be sent",
                    attempt);
        std::fflush(stdout);
    }
}

bool ClickUntil(const std::string& what, POINT screenPoint, const std::function<bool()>& done, HWND window,
                MouseButton button, StepLimits limits) {
    return SendUntil(
        what,
        [&] {
            // A window just shown may not take clicks before it is really on the screen.
            if (window && !WaitUntil([&] { return Under(window, screenPoint); }, limits.deadline))
                return false;
            return Click(screenPoint, button);
        },
        done, limits);
}

bool PressUntil(const std::string& what, HWND window, std::initializer_list<WORD> keys,
                const std::function<bool()>& done, StepLimits limits) {
    const std::vector<WORD> chord(keys);
    return SendUntil(
        what,
        [&] {
            if (window && !BringToForeground(window))
                return false;
            PressKeys(chord);
            return true;
        },
        done, limits);
}

bool TypeOver(HWND edit, const std::string& text, StepLimits limits) {
    return SendUntil(
        "typing \"" + text + "\"",
        [&] {
            SendMessageA(edit, EM_SETSEL, 0, -1);
            TypeText(text);
            return true;
        },
        [&] { return WindowText(edit) == text; }, limits);
}

bool ClickButtonUntil(const std::string& what, HWND button, const std::function<bool()>& done,
                      StepLimits limits) {
    return SendUntil(
        what,
        [&] {
            ClickButton(button);
            return true;
        },
        done, limits);
}

bool AnswerMessageBox(HWND box, HWND button) {
    return ClickButtonUntil("a button closes the message box", button,
                            [&] { return !IsWindow(box) || !IsWindowVisible(box); });
}

HWND ShownMenu(DWORD processId) {
    return FindTopLevelWindow(processId, {.className = "#32768", .visibleOnly = true});
}

bool OpenMenuBar(HWND window, WORD accessKey) {
    const DWORD process = ProcessOf(window);
    return PressUntil("Alt+" + std::string(1, static_cast<char>(accessKey)) + " opens a menu", window,
                      {VK_MENU, accessKey}, [&] { return ShownMenu(process) != nullptr; });
}

bool ClickCloseBox(HWND window) {
    const std::optional<POINT> box = CloseBoxPoint(window);
    if (!box)
        return false;
    BringToForeground(window);
    return ClickUntil("a click on the close box closes the window", *box,
                      [&] { return !IsWindow(window) || !IsWindowVisible(window); }, window);
}

std::optional<std::string> HoverForTooltip(POINT point, POINT away, DWORD processId, const std::string& part) {
    const auto matching = [&]() -> std::optional<std::string> {
        const auto text = ShownTooltip(processId);
        return text && text->find(part) != std::string::npos ? text : std::nullopt;
    };
    SendUntil(
        "resting the pointer shows a tooltip with \"" + part + "\"",
        [&] {
            if (!MoveMouse(away))
                return false;
            WaitUntil([&] { return !ShownTooltip(processId); }, 1s);
            return MoveMouse(point);
        },
        [&] { return matching().has_value(); }, {.deadline = 3s, .attempts = 5});
    return matching();
}

}  // namespace harness
