#pragma once
// Layout is designed in pixels at 96 dots per inch and scaled to the DPI of the
// monitor a window is on. Portable: no windows.h here.

namespace fw {

inline constexpr int kDesignDpi = 96;

// `value` designed at 96 DPI, in pixels at `dpi`: rounded to the nearest pixel, halves
// away from zero, as MulDiv rounds, so the framework and the system agree.
constexpr int ScaleToDpi(int value, int dpi) {
    const long long product = static_cast<long long>(value) * dpi;
    const long long half = kDesignDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi : -((-product + half) / kDesignDpi));
}

}  // namespace fw
