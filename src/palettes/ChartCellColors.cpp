#include "palettes/ChartCellColors.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>
#include <utility>

#include "palettes/ChartColorLists.h"

namespace palettes {

namespace {

using Cells = std::vector<std::uint32_t>;

constexpr std::uint32_t kBlack = 0x000000;

// The six web-safe channel levels, dark to light.
constexpr std::array<std::uint32_t, 6> kLevels = {0x00, 0x33, 0x66, 0x99, 0xCC, 0xFF};

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r << 16 | g << 8 | b;
}

// palWeb: rows 0 to 17 shift one of two 16-colour hue ramps towards a level.
struct Channels {
    std::uint32_t r, g, b;
};

enum class Ramp { Upper, Lower };
enum class Shift { RaiseTo, LowerTo };

struct WebRow {
    Ramp ramp;
    Shift shift;
    std::uint32_t level;
};

// Red, yellow, green, cyan.
Channels UpperRamp(int n) {
    if (n <= 5)
        return {0xFF, kLevels[n], 0x00};
    if (n <= 10)
        return {kLevels[10 - n], 0xFF, 0x00};
    return {0x00, 0xFF, kLevels[n - 10]};
}

// Raising lifts every channel below the level up to it; lowering brings every channel above it down to it.
std::uint32_t Shifted(Channels c, Shift shift, std::uint32_t level) {
    auto apply = [&](std::uint32_t v) { return shift == Shift::RaiseTo ? std::max(v, level) : std::min(v, level); };
    return Rgb(apply(c.r), apply(c.g), apply(c.b));
}

// Pale to strong on the upper ramp, strong to dark, dark to strong on the lower ramp, strong to pale.
// Raising to 00 leaves a ramp as it is.
constexpr std::array<WebRow, 18> kWebRows = {{
    {Ramp::Upper, Shift::RaiseTo, 0xCC},
    {Ramp::Upper, Shift::RaiseTo, 0x99},
    {Ramp::Upper, Shift::RaiseTo, 0x66},
    {Ramp::Upper, Shift::RaiseTo, 0x33},
    {Ramp::Upper, Shift::RaiseTo, 0x00},
    {Ramp::Upper, Shift::LowerTo, 0xCC},
    {Ramp::Upper, Shift::LowerTo, 0x99},
    {Ramp::Upper, Shift::LowerTo, 0x66},
    {Ramp::Upper, Shift::LowerTo, 0x33},
    {Ramp::Lower, Shift::LowerTo, 0x33},
    {Ramp::Lower, Shift::LowerTo, 0x66},
    {Ramp::Lower, Shift::LowerTo, 0x99},
    {Ramp::Lower, Shift::LowerTo, 0xCC},
    {Ramp::Lower, Shift::RaiseTo, 0x00},
    {Ramp::Lower, Shift::RaiseTo, 0x33},
    {Ramp::Lower, Shift::RaiseTo, 0x66},
    {Ramp::Lower, Shift::RaiseTo, 0x99},
    {Ramp::Lower, Shift::RaiseTo, 0xCC},
}};

constexpr int kWebColumns = 16;

Cells WebCells() {
    Cells cells;
    for (const WebRow& row : kWebRows) {
        for (int n = 0; n < kWebColumns; ++n) {
            Channels c = UpperRamp(n);
            if (row.ramp == Ramp::Lower)
                std::swap(c.g, c.b);  // red, magenta, blue, cyan
            cells.push_back(Shifted(c, row.shift, row.level));
        }
    }
    // The chart has always repeated its neighbour here instead of showing 66FF00.
    cells[4 * kWebColumns + 8] = Rgb(0x33, 0xFF, 0x00);
    std::span<const std::uint32_t> tail = WebTailTable();
    cells.insert(cells.end(), tail.begin(), tail.end());
    return cells;
}

// All 216 web-safe colours from light to dark, red changing slowest and blue fastest.
Cells WebSafeCells() {
    Cells cells;
    for (int i = 0; i < 216; ++i)
        cells.push_back(Rgb(kLevels[5 - i / 36], kLevels[5 - i / 6 % 6], kLevels[5 - i % 6]));
    return cells;
}

// The Macintosh system palette: the web-safe colours without black, ramps of red, green, blue and
// grey over the in-between levels, and black last.
Cells MacCells() {
    constexpr std::array<std::uint32_t, 10> kRampLevels = {0xEE, 0xDD, 0xBB, 0xAA, 0x88, 0x77, 0x55, 0x44, 0x22, 0x11};
    Cells cells = WebSafeCells();
    cells.pop_back();
    for (std::uint32_t channels : {Rgb(0xFF, 0, 0), Rgb(0, 0xFF, 0), Rgb(0, 0, 0xFF), Rgb(0xFF, 0xFF, 0xFF)}) {
        for (std::uint32_t v : kRampLevels)
            cells.push_back(Rgb(v, v, v) & channels);
    }
    cells.push_back(kBlack);
    return cells;
}

struct CellSource {
    std::string_view identifier;
    Cells (*make)();
};

// The charts that follow a rule; the others are listed cell by cell.
constexpr std::array<CellSource, 3> kSources = {{
    {"palWeb", WebCells},
    {"palWebSafe", WebSafeCells},
    {"palMac", MacCells},
}};

}  // namespace

std::vector<std::uint32_t> ChartCellColors(const ChartEntry& entry) {
    const std::span<const std::uint32_t> table = CellTable(entry.identifier);
    Cells cells(table.begin(), table.end());
    for (const CellSource& source : kSources) {
        if (source.identifier == entry.identifier)
            cells = source.make();
    }
    // Whatever a chart does not list is filler.
    cells.resize(static_cast<std::size_t>(entry.CellCount()), kBlack);
    return cells;
}

}  // namespace palettes
