#pragma once
// The main window's client height and the chart caption's top and text at 96 DPI for each
// chart: one table for the layout rule alone and for the main window that applies it.
namespace expected {

struct ChartFit {
    const char* identifier;
    int clientHeight;
    int captionTop;
    const char* caption;
};

inline constexpr ChartFit kChartFits[] = {
    {"palWeb", 245, 234, "Web colors"},
    {"palWebHue", 181, 170, "Web hue colors"},
    {"palWebSafe", 181, 170, "Web safe colors"},
    {"palWindows", 197, 186, "Windows system colors"},
    {"palMac", 197, 186, "Macintosh sytem colors"},
    {"palAdobe", 133, 122, "Adobe Photoshop colors"},
    {"palVB1", 237, 226, "VisiBone One colors"},
    {"palVB2", 197, 186, "VisiBone Two colors"},
    {"schWXP", 101, 90, "Windows XP color scheme"},
    {"schXP", 133, 122, "Windows XP Icons color scheme"},
};

}  // namespace expected
