#include "Input.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace harness {

namespace {

// How long one SetForegroundWindow attempt is given to take effect.
constexpr Duration kForegroundSettle = 200ms;
// Longer than the time for which Wine trusts its own record of the cursor: a position
// read this long after the last move came from the display server.
constexpr Duration kCursorTrust = 150ms;

// The keys of the extended key block, which carry the extended flag as a keyboard's do.
constexpr WORD kExtendedKeys[] = {VK_LEFT,   VK_RIGHT,  VK_UP,    VK_DOWN,     VK_HOME, VK_END,  VK_PRIOR, VK_NEXT,
                                  VK_INSERT, VK_DELETE, VK_RMENU, VK_RCONTROL, VK_APPS, VK_LWIN, VK_RWIN};

bool IsExtendedKey(WORD key) {
    return std::ranges::find(kExtendedKeys, key) != std::end(kExtendedKeys);
}

INPUT KeyInput(WORD key, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) | (IsExtendedKey(key) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

INPUT MouseInput(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

// Absolute mouse positions are in 1/65536 of the screen; rounding up makes the
// system's own rounding down land on exactly `pixel`.
LONG ToAbsolute(LONG pixel, int screenSize) {
    if (screenSize <= 0) {
        return 0;
    }
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screenSize - 1) / screenSize);
}

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

DWORD ButtonFlag(MouseButton button, bool down) {
    if (button == MouseButton::Left)
        return down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    return down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
}

}  // namespace

bool BringToForeground(HWND window, Duration timeout) {
    return WaitUntil(
        [&] {
            if (GetForegroundWindow() == window) {
                return true;
            }
            SetForegroundWindow(window);
            return WaitUntil([&] { return GetForegroundWindow() == window; }, kForegroundSettle);
        },
        timeout, 0ms);
}

void PressKeys(const std::vector<WORD>& keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys)
        inputs.push_back(KeyInput(key, true));
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        inputs.push_back(KeyInput(*it, false));
    Send(inputs);
}

void PressKey(WORD key) {
    PressKeys({key});
}

void TypeText(std::string_view text) {
    for (char c : text) {
        const SHORT scan = VkKeyScanA(c);
        if (scan == -1)
            continue;  // no key for it on this layout
        if (scan & 0x100)
            PressKeys({VK_SHIFT, LOBYTE(scan)});
        else
            PressKey(LOBYTE(scan));
    }
}

bool MoveMouse(POINT screenPoint, Duration timeout) {
    const auto put = [&] {
        SetCursorPos(screenPoint.x, screenPoint.y);
        // A move event too, so the target sees WM_MOUSEMOVE as with a real mouse.
        INPUT move = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
        move.mi.dx = ToAbsolute(screenPoint.x, GetSystemMetrics(SM_CXSCREEN));
        move.mi.dy = ToAbsolute(screenPoint.y, GetSystemMetrics(SM_CYSCREEN));
        Send({move});
        return std::chrono::steady_clock::now();
    };
    // Done once every reading since the last move, including the display server's own,
    // has found the pointer on the point; a warp the server refused, or a late motion
    // that took the pointer back, is put right again.
    auto putAt = put();
    return WaitUntil(
        [&] {
            POINT now{};
            if (!GetCursorPos(&now) || now.x != screenPoint.x || now.y != screenPoint.y) {
                putAt = put();
                return false;
            }
            return std::chrono::steady_clock::now() - putAt >= kCursorTrust;
        },
        timeout, 10ms);
}

void PressButton(MouseButton button, bool down) {
    Send({MouseInput(ButtonFlag(button, down))});
}

bool Click(POINT screenPoint, MouseButton button) {
    if (!MoveMouse(screenPoint))
        return false;
    Send({MouseInput(ButtonFlag(button, true)), MouseInput(ButtonFlag(button, false))});
    return true;
}

bool DoubleClick(POINT screenPoint) {
    if (!MoveMouse(screenPoint))
        return false;
    // Both clicks in one batch: well inside the double-click time and distance.
    Send({MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP), MouseInput(MOUSEEVENTF_LEFTDOWN),
          MouseInput(MOUSEEVENTF_LEFTUP)});
    return true;
}

HCURSOR CursorAt(POINT screenPoint) {
    MoveMouse(screenPoint);
    MoveMouse({screenPoint.x + 1, screenPoint.y});
    HCURSOR last = nullptr;
    WaitUntil(
        [&] {
            CURSORINFO info{};
            info.cbSize = sizeof info;
            GetCursorInfo(&info);
            const bool steady = info.hCursor && info.hCursor == last;
            last = info.hCursor;
            return steady;
        },
        3s, 200ms);
    return last;
}

}  // namespace harness
