// The chart catalogue and its images. Every expectation here is built without the
// drawing code: tables are parsed from their written rows, rules are restated in a
// different form, and every pixel of every image the program draws is compared.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <span>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ChartPixels.h"
#include "palettes/ChartDrawing.h"
#include "palettes/ChartCatalogue.h"
#include "palettes_expected.h"

namespace {

using palettes::ChartEntry;
using palettes::ChartGroup;

struct ExpectedEntry {
    std::string_view identifier;
    bool scheme;
    std::string_view caption;
    std::string_view menuItem;
    std::string_view menuCaption;
    int functionKey;
    bool ctrl;
    int height;
    int rows;
    int columns;
};

// The catalogue as the program's menus and charts present it, in menu order.
const ExpectedEntry kExpectedEntries[] = {
    {"palWeb", false, "Web colors", "MpalWeb", "&1. Web colors", 1, false, 177, 22, 16},
    {"palWebHue", false, "Web hue colors", "MpalWebHue", "2. Web hue colors", 2, false, 113, 14, 16},
    {"palWebSafe", false, "Web safe colors", "MpalWebSafe", "&3. Web safe colors", 3, false, 113, 14, 16},
    {"palWindows", false, "Windows system colors", "MpalWindows", "&4. Windows system", 4, false, 129, 16, 16},
    {"palMac", false, "Macintosh sytem colors", "MpalMac", "&5. Macintosh system", 5, false, 129, 16, 16},
    {"palAdobe", false, "Adobe Photoshop colors", "MpalAdobe", "&6. Adobe Photoshop", 6, false, 65, 8, 16},
    {"palVB1", false, "VisiBone One colors", "MpalVB1", "&7. VisiBone One", 7, false, 169, 21, 16},
    {"palVB2", false, "VisiBone Two colors", "MpalVB2", "&8. VisiBone Two", 8, false, 129, 16, 16},
    {"schWXP", true, "Windows XP color scheme", "MschWXP", "&1. Windows XP scheme", 1, true, 33, 2, 8},
    {"schXP", true, "Windows XP Icons color scheme", "MschXP", "&2. Windows XP Icons scheme", 2, true, 65, 4, 8},
};

const ExpectedEntry& Expected(std::string_view identifier) {
    const auto* e = std::ranges::find(kExpectedEntries, identifier, &ExpectedEntry::identifier);
    if (e == std::end(kExpectedEntries))
        throw std::logic_error("no expectation for " + std::string(identifier));
    return *e;
}

const ChartEntry& Entry(std::string_view identifier) {
    const ChartEntry* entry = palettes::FindChart(identifier);
    if (!entry)
        throw std::logic_error("not in the catalogue: " + std::string(identifier));
    return *entry;
}

int Pitch(const ExpectedEntry& e) {
    return e.scheme ? 16 : 8;
}

// ---- Expected cell colours, from written rows and restated rules ----

using Cells = std::vector<std::uint32_t>;

std::uint32_t ParseColor(const std::string& text) {
    if (text.size() != 6 || text.find_first_not_of("0123456789ABCDEF") != std::string::npos)
        throw std::logic_error("bad colour text " + text);
    return static_cast<std::uint32_t>(std::stoul(text, nullptr, 16));
}

Cells ParseWords(std::string_view words) {
    Cells cells;
    std::istringstream in{std::string(words)};
    for (std::string word; in >> word;)
        cells.push_back(ParseColor(word));
    return cells;
}

Cells ParseRows(std::span<const std::string_view> rows, std::size_t columns) {
    Cells cells;
    for (std::string_view row : rows) {
        const Cells parsed = ParseWords(row);
        if (parsed.size() != columns)
            throw std::logic_error("row with a wrong number of cells: " + std::string(row));
        cells.insert(cells.end(), parsed.begin(), parsed.end());
    }
    return cells;
}

std::uint32_t Clamp(std::uint32_t rgb, std::uint32_t low, std::uint32_t high) {
    std::uint32_t out = 0;
    for (int shift : {16, 8, 0})
        out |= std::clamp((rgb >> shift) & 0xFF, low, high) << shift;
    return out;
}

// Upper ramp as listed; the lower ramp is the same walk with green and blue exchanged.
Cells UpperRamp() {
    return ParseWords(
        "FF0000 FF3300 FF6600 FF9900 FFCC00 FFFF00 CCFF00 99FF00 66FF00 33FF00 00FF00 00FF33 00FF66 00FF99 00FFCC "
        "00FFFF");
}

Cells LowerRamp() {
    Cells ramp;
    for (std::uint32_t c : UpperRamp())
        ramp.push_back((c & 0xFF0000) | (c & 0xFF) << 8 | (c >> 8 & 0xFF));
    return ramp;
}

Cells ExpectedWeb() {
    const Cells upper = UpperRamp();
    const Cells lower = LowerRamp();
    Cells cells;
    auto addRow = [&](const Cells& ramp, std::uint32_t low, std::uint32_t high) {
        for (std::uint32_t c : ramp)
            cells.push_back(Clamp(c, low, high));
    };
    for (std::uint32_t k : {0xCCu, 0x99u, 0x66u, 0x33u, 0x00u})
        addRow(upper, k, 0xFF);  // raised: nothing below k
    for (std::uint32_t k : {0xCCu, 0x99u, 0x66u, 0x33u})
        addRow(upper, 0x00, k);  // lowered: nothing above k
    for (std::uint32_t k : {0x33u, 0x66u, 0x99u, 0xCCu})
        addRow(lower, 0x00, k);
    addRow(lower, 0x00, 0xFF);
    for (std::uint32_t k : {0x33u, 0x66u, 0x99u, 0xCCu})
        addRow(lower, k, 0xFF);
    cells[4 * 16 + 8] = 0x33FF00;
    Cells tail = ParseRows(expected::kWebRows18To21, 16);
    cells.insert(cells.end(), tail.begin(), tail.end());
    return cells;
}

// Nested from the top level down: red outermost, blue innermost.
Cells WebSafeDescending() {
    Cells cells;
    for (int r = 0xFF; r >= 0; r -= 0x33) {
        for (int g = 0xFF; g >= 0; g -= 0x33) {
            for (int b = 0xFF; b >= 0; b -= 0x33)
                cells.push_back(static_cast<std::uint32_t>(r << 16 | g << 8 | b));
        }
    }
    return cells;
}

Cells ExpectedWebSafe() {
    Cells cells = WebSafeDescending();
    cells.resize(224, 0x000000);
    return cells;
}

// The Macintosh ramps use the multiples of 11 hex that are not web-safe levels, from EE down.
Cells ExpectedMac() {
    Cells cells = WebSafeDescending();
    cells.resize(215);
    for (std::uint32_t unit : {0x010000u, 0x000100u, 0x000001u, 0x010101u}) {
        for (std::uint32_t v = 0xEE; v > 0; v -= 0x11) {
            if (v % 0x33 != 0)
                cells.push_back(v * unit);
        }
    }
    cells.push_back(0x000000);
    return cells;
}

Cells ExpectedCells(std::string_view identifier) {
    if (identifier == "palWeb")
        return ExpectedWeb();
    if (identifier == "palWebSafe")
        return ExpectedWebSafe();
    if (identifier == "palMac")
        return ExpectedMac();
    const std::map<std::string_view, std::span<const std::string_view>> written = {
        {"palWebHue", expected::kWebHueRows},    {"palWindows", expected::kWindowsRows},
        {"palAdobe", expected::kAdobeRows},      {"palVB1", expected::kVisiBoneOneRows},
        {"palVB2", expected::kVisiBoneTwoRows},  {"schWXP", expected::kWindowsXpRows},
        {"schXP", expected::kWindowsXpIconsRows}};
    return ParseRows(written.at(identifier), static_cast<std::size_t>(Expected(identifier).columns));
}

// Reads each cell back from the drawn image, at the cell's middle pixel.
Cells CellsOf(std::string_view identifier) {
    const ExpectedEntry& e = Expected(identifier);
    const oracle::PaletteImage image = oracle::DrawnChart(Entry(identifier));
    const int p = Pitch(e);
    Cells cells;
    for (int r = 0; r < e.rows; ++r) {
        for (int n = 0; n < e.columns; ++n)
            cells.push_back(image.At(p * n + p / 2, p * r + p / 2));
    }
    return cells;
}

std::string Hex(std::uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", rgb);
    return text;
}

std::set<std::uint32_t> NonGreyWebSafe() {
    std::set<std::uint32_t> colors;
    for (std::uint32_t c : WebSafeDescending()) {
        if ((c >> 16) != (c & 0xFF) || (c >> 8 & 0xFF) != (c & 0xFF))
            colors.insert(c);
    }
    return colors;
}

// ---- Catalogue ----

TEST(ChartCatalogue, EntriesInMenuOrderWithTheirTextsKeysAndSizes) {
    std::span<const ChartEntry> catalogue = palettes::ChartCatalogue();
    ASSERT_EQ(catalogue.size(), std::size(kExpectedEntries));
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const ChartEntry& got = catalogue[i];
        const ExpectedEntry& want = kExpectedEntries[i];
        SCOPED_TRACE(std::string(want.identifier));
        EXPECT_EQ(got.identifier, want.identifier);
        EXPECT_EQ(got.group, want.scheme ? ChartGroup::Scheme : ChartGroup::Palette);
        EXPECT_EQ(got.caption, want.caption);
        EXPECT_EQ(got.menuItem, want.menuItem);
        EXPECT_EQ(got.menuCaption, want.menuCaption);
        EXPECT_EQ(got.shortcut.functionKey, want.functionKey);
        EXPECT_EQ(got.shortcut.ctrl, want.ctrl);
        EXPECT_EQ(got.imageHeight, want.height);
        EXPECT_EQ(got.rows, want.rows);
        EXPECT_EQ(got.columns, want.columns);
        EXPECT_EQ(got.Pitch(), Pitch(want));
        EXPECT_EQ(got.imageHeight, got.Pitch() * got.rows + 1);
        EXPECT_EQ(palettes::kImageWidth, got.Pitch() * got.columns + 1);
    }
}

TEST(ChartCatalogue, AccessKeysAndShortcuts) {
    std::set<std::pair<int, bool>> shortcuts;
    for (const ChartEntry& entry : palettes::ChartCatalogue()) {
        SCOPED_TRACE(std::string(entry.identifier));
        const auto ampersands = std::count(entry.menuCaption.begin(), entry.menuCaption.end(), '&');
        EXPECT_EQ(ampersands, entry.identifier == "palWebHue" ? 0 : 1);
        EXPECT_TRUE(shortcuts.insert({entry.shortcut.functionKey, entry.shortcut.ctrl}).second);
        EXPECT_EQ(entry.shortcut.ctrl, entry.group == ChartGroup::Scheme);
    }
    EXPECT_EQ(Entry("palMac").caption, "Macintosh sytem colors");
    EXPECT_EQ(Entry("palMac").menuCaption, "&5. Macintosh system");
}

TEST(ChartCatalogue, SubmenuLayout) {
    std::vector<std::string> palette;
    std::vector<std::string> scheme;
    for (const ChartEntry& entry : palettes::ChartCatalogue()) {
        auto& items = entry.group == ChartGroup::Palette ? palette : scheme;
        if (!entry.separatorBefore.empty())
            items.emplace_back(entry.separatorBefore);
        items.emplace_back(entry.menuItem);
    }
    EXPECT_EQ(palette, (std::vector<std::string>{"MpalWeb", "MpalWebHue", "MpalWebSafe", "N6", "MpalWindows", "MpalMac",
                                                 "N7", "MpalAdobe", "MpalVB1", "MpalVB2"}));
    EXPECT_EQ(scheme, (std::vector<std::string>{"MschWXP", "MschXP"}));

    std::span<const palettes::GroupSubmenu> submenus = palettes::kGroupSubmenus;
    ASSERT_EQ(submenus.size(), 2u);
    EXPECT_EQ(submenus[0].group, ChartGroup::Palette);
    EXPECT_EQ(submenus[0].name, "Pickcolorfromthepalette1");
    EXPECT_EQ(submenus[0].caption, "Display color p&alette");
    EXPECT_EQ(submenus[1].group, ChartGroup::Scheme);
    EXPECT_EQ(submenus[1].name, "Displaycolorscheme1");
    EXPECT_EQ(submenus[1].caption, "Display color s&cheme");
}

TEST(ChartCatalogue, LookupIsExactAndCaseSensitive) {
    for (const ExpectedEntry& e : kExpectedEntries) {
        const ChartEntry* found = palettes::FindChart(e.identifier);
        ASSERT_NE(found, nullptr) << e.identifier;
        EXPECT_EQ(found->identifier, e.identifier);
    }
    for (std::string_view wrong :
         {"palweb", "PALWEB", "PalWeb", "schxp", "palWeb ", " palWeb", "palWe", "palWebs", "", "MpalWeb", "Web colors"})
        EXPECT_EQ(palettes::FindChart(wrong), nullptr) << '"' << wrong << '"';

    ASSERT_NE(palettes::FindChart("schXP"), nullptr);
    EXPECT_EQ(palettes::FindChart("schXP")->group, ChartGroup::Scheme);
    EXPECT_EQ(palettes::FindChart("palVB1")->group, ChartGroup::Palette);
}

TEST(ChartCatalogue, FixedOrdersOfHidingAndMatching) {
    auto list = [](std::span<const std::string_view> names) {
        return std::vector<std::string>(names.begin(), names.end());
    };
    EXPECT_EQ(list(palettes::HideAllOrder()),
              (std::vector<std::string>{"palAdobe", "palMac", "palVB1", "palVB2", "palWeb", "palWebHue", "palWebSafe",
                                        "palWindows", "schXP", "schWXP"}));
    EXPECT_EQ(list(palettes::MatchOrder(ChartGroup::Palette)),
              (std::vector<std::string>{"palAdobe", "palMac", "palVB1", "palVB2", "palWeb", "palWebHue", "palWebSafe",
                                        "palWindows"}));
    EXPECT_EQ(list(palettes::MatchOrder(ChartGroup::Scheme)), (std::vector<std::string>{"schXP", "schWXP"}));

    // Each order names catalogue entries of the right group only.
    for (ChartGroup group : {ChartGroup::Palette, ChartGroup::Scheme}) {
        for (std::string_view name : palettes::MatchOrder(group))
            EXPECT_EQ(Entry(name).group, group) << name;
    }
}

// ---- Images, pixel by pixel ----

class PaletteImageTest : public testing::TestWithParam<ExpectedEntry> {};

TEST_P(PaletteImageTest, EveryPixelIsLineOrItsCellColour) {
    const ExpectedEntry& e = GetParam();
    const Cells cells = ExpectedCells(e.identifier);
    ASSERT_EQ(cells.size(), static_cast<std::size_t>(e.rows * e.columns));

    const oracle::PaletteImage image = oracle::DrawnChart(Entry(e.identifier));
    ASSERT_EQ(image.width, 129);
    ASSERT_EQ(image.height, e.height);
    ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(129 * e.height));

    // A cell of pitch p covers p-1 pixels after each line; lines sit at every multiple of p.
    int wrong = 0;
    for (int y = 0; y < e.height; ++y) {
        for (int x = 0; x < 129; ++x) {
            const std::uint32_t want = oracle::RulePixel(cells, e.columns, Pitch(e), x, y);
            const std::uint32_t got = image.At(x, y);
            if (got != want && ++wrong <= 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << Hex(got) << ", expected " << Hex(want);
        }
    }
    EXPECT_EQ(wrong, 0);

    for (auto [x, y] : {std::pair{0, 0}, {128, 0}, {0, e.height - 1}, {128, e.height - 1}})
        EXPECT_EQ(image.At(x, y), 0x000000u);
}

TEST_P(PaletteImageTest, DibIsBottomUpBgrWithPaddedRows) {
    const ExpectedEntry& e = GetParam();
    const Cells cells = ExpectedCells(e.identifier);
    const std::vector<std::uint8_t> dib = oracle::DrawnDib(Entry(e.identifier), 96);
    constexpr std::size_t kStride = 388;  // 129 * 3 = 387, padded to a multiple of four
    ASSERT_EQ(dib.size(), kStride * static_cast<std::size_t>(e.height));
    EXPECT_EQ(dib, oracle::DrawnDib(Entry(e.identifier), 96, 0x00)) << "a byte is left as it was";
    for (int y = 0; y < e.height; ++y)
        EXPECT_EQ(dib[kStride * static_cast<std::size_t>(y) + 387], 0) << "padding of row " << y;
    // The first cell's middle pixel is in the last row of bytes but for p/2, as blue, green, red.
    const std::size_t p = static_cast<std::size_t>(Pitch(e));
    const std::uint8_t* first = &dib[kStride * (static_cast<std::size_t>(e.height) - 1 - p / 2) + 3 * (p / 2)];
    EXPECT_EQ(Hex(std::uint32_t{first[2]} << 16 | std::uint32_t{first[1]} << 8 | first[0]), Hex(cells[0]));
}

INSTANTIATE_TEST_SUITE_P(AllEntries,
                         PaletteImageTest,
                         testing::ValuesIn(kExpectedEntries),
                         [](const testing::TestParamInfo<ExpectedEntry>& info) {
                             return std::string(info.param.identifier);
                         });

TEST(PaletteImage, DibStridePadsToFourBytes) {
    EXPECT_EQ(palettes::DibStride(1), 4);
    EXPECT_EQ(palettes::DibStride(2), 8);
    EXPECT_EQ(palettes::DibStride(3), 12);
    EXPECT_EQ(palettes::DibStride(4), 12);
    EXPECT_EQ(palettes::DibStride(129), 388);

    // The reader of the program's drawings, on bytes laid out by hand.
    const std::vector<std::uint8_t> tiny = {0x99, 0x88, 0x77, 0xCC, 0xBB, 0xAA, 0, 0,
                                            0x33, 0x22, 0x11, 0x66, 0x55, 0x44, 0, 0};
    EXPECT_EQ(oracle::ReadBottomUpDib24(tiny.data(), 2, 2).pixels,
              (std::vector<std::uint32_t>{0x112233, 0x445566, 0x778899, 0xAABBCC}));
}

// ---- What the charts are said to hold ----

TEST(PaletteContents, WebFollowsTheRampExamples) {
    const Cells cells = CellsOf("palWeb");
    auto row = [&](int r) { return Cells(cells.begin() + r * 16, cells.begin() + r * 16 + 16); };
    const Cells row0 = row(0);
    const Cells row8 = row(8);
    const Cells row17 = row(17);
    EXPECT_EQ(Cells(row0.begin(), row0.begin() + 7), ParseWords("FFCCCC FFCCCC FFCCCC FFCCCC FFCCCC FFFFCC CCFFCC"));
    EXPECT_EQ(Cells(row8.begin(), row8.begin() + 2), ParseWords("330000 333300"));
    EXPECT_EQ(Cells(row17.end() - 2, row17.end()), ParseWords("CCCCFF CCFFFF"));
    EXPECT_EQ(row(4)[8], 0x33FF00u);
    EXPECT_EQ(row(4)[9], 0x33FF00u);
    Cells u = UpperRamp();
    u[8] = 0x33FF00;
    EXPECT_EQ(row(4), u);
    EXPECT_EQ(row(13), LowerRamp());

    const oracle::PaletteImage image = oracle::DrawnChart(Entry("palWeb"));
    EXPECT_EQ(std::count(image.pixels.begin(), image.pixels.end(), 0x66FF00u), 0);
    for (int i = 341; i <= 351; ++i)
        EXPECT_EQ(cells[static_cast<std::size_t>(i)], 0x000000u) << "cell " << i;
}

TEST(PaletteContents, WebSafeDescendsAndEndsInOneBlackArea) {
    const Cells cells = CellsOf("palWebSafe");
    EXPECT_EQ(Cells(cells.begin(), cells.begin() + 3), ParseWords("FFFFFF FFFFCC FFFF99"));
    EXPECT_EQ(cells[2], 0xFFFF99u);  // row 0, column 2
    EXPECT_EQ(std::set<std::uint32_t>(cells.begin(), cells.begin() + 216).size(), 216u);

    // Cell 215 (row 13, column 7) and the eight fillers after it, lines included.
    const oracle::PaletteImage image = oracle::DrawnChart(Entry("palWebSafe"));
    for (int y = 13 * 8; y < 113; ++y) {
        for (int x = 7 * 8; x < 129; ++x)
            ASSERT_EQ(image.At(x, y), 0x000000u) << x << ", " << y;
    }
    EXPECT_NE(image.At(6 * 8 + 4, 13 * 8 + 4), 0x000000u);
}

TEST(PaletteContents, WebHueHoldsEveryNonGreyWebSafeColourOnceThenTheGreys) {
    const Cells cells = CellsOf("palWebHue");
    const Cells hues(cells.begin(), cells.begin() + 210);
    const std::set<std::uint32_t> distinct(hues.begin(), hues.end());
    EXPECT_EQ(distinct.size(), 210u);
    EXPECT_EQ(distinct, NonGreyWebSafe());
    EXPECT_EQ(Cells(cells.begin() + 210, cells.begin() + 216), ParseWords("000000 333333 666666 999999 CCCCCC FFFFFF"));
    EXPECT_EQ(Cells(cells.begin() + 216, cells.end()), Cells(8, 0x000000));
}

TEST(PaletteContents, MacHasNoFillersAndEndsWithRampsAndBlack) {
    const Cells cells = CellsOf("palMac");
    EXPECT_EQ(std::set<std::uint32_t>(cells.begin(), cells.end()).size(), 256u);
    EXPECT_EQ(std::find(cells.begin(), cells.end(), 0x000000u) - cells.begin(), 255);
    const std::pair<std::size_t, std::uint32_t> rampEnds[] = {{214, 0x000033}, {215, 0xEE0000}, {224, 0x110000},
                                                              {225, 0x00EE00}, {234, 0x001100}, {235, 0x0000EE},
                                                              {244, 0x000011}, {245, 0xEEEEEE}, {254, 0x111111}};
    for (auto [i, color] : rampEnds)
        EXPECT_EQ(cells[i], color) << "cell " << i;
    const Cells webSafe = CellsOf("palWebSafe");
    EXPECT_TRUE(std::equal(cells.begin(), cells.begin() + 215, webSafe.begin()));
}

TEST(PaletteContents, WindowsIsTheSystemPaletteAroundChannelCombinations) {
    const Cells cells = CellsOf("palWindows");
    EXPECT_EQ(Cells(cells.begin(), cells.begin() + 10),
              ParseWords("000000 800000 008000 808000 000080 800080 008080 808080 C0DCC0 A6CAF0"));
    EXPECT_EQ(Cells(cells.end() - 10, cells.end()),
              ParseWords("FFFBF0 A0A0A4 808080 FF0000 00FF00 FFFF00 0000FF FF00FF 00FFFF FFFFFF"));
    std::vector<std::size_t> greys;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (cells[i] == 0x808080)
            greys.push_back(i);
    }
    EXPECT_EQ(greys, (std::vector<std::size_t>{7, 248}));

    const std::set<std::uint32_t> reds = {0x00, 0x2A, 0x55, 0x7F, 0xAA, 0xD4, 0xFF};
    const std::set<std::uint32_t> greens = {0x00, 0x1F, 0x3F, 0x5F, 0x7F, 0x9F, 0xBF, 0xDF, 0xFF};
    const std::set<std::uint32_t> blues = {0x00, 0x55, 0xAA, 0xFF};
    const Cells tints = ParseWords("CCCCFF FFCCFF 33FFFF 66FFFF 99FFFF CCFFFF");
    const auto afterYellow = std::find(cells.begin(), cells.end(), 0xFFFFAAu) + 1;
    EXPECT_EQ(Cells(afterYellow, afterYellow + 6), tints);
    for (auto it = cells.begin() + 10; it != cells.end() - 10; ++it) {
        if (it >= afterYellow && it < afterYellow + 6)
            continue;
        EXPECT_TRUE(reds.contains(*it >> 16) && greens.contains(*it >> 8 & 0xFF) && blues.contains(*it & 0xFF))
            << Hex(*it);
    }
}

TEST(PaletteContents, VisiBoneChartsHoldTheNonBlackWebSafeColoursWithGreyCorners) {
    std::set<std::uint32_t> nonBlack = NonGreyWebSafe();
    for (std::uint32_t grey : {0x333333u, 0x666666u, 0x999999u, 0xCCCCCCu, 0xFFFFFFu})
        nonBlack.insert(grey);
    const Cells ramp = ParseWords("FFFFFF CCCCCC 999999 666666 333333");

    for (std::string_view id : {"palVB1", "palVB2"}) {
        SCOPED_TRACE(std::string(id));
        const Cells cells = CellsOf(id);
        std::map<std::uint32_t, int> counts;
        for (std::uint32_t c : cells) {
            if (c != 0x000000)
                ++counts[c];
        }
        std::set<std::uint32_t> present;
        for (auto [color, count] : counts) {
            present.insert(color);
            const bool grey = std::find(ramp.begin(), ramp.end(), color) != ramp.end();
            EXPECT_EQ(count, grey ? 4 : 1) << Hex(color);
        }
        EXPECT_EQ(present.size(), 215u);
        EXPECT_EQ(present, nonBlack);

        const std::size_t last = cells.size() - 16;
        for (std::size_t i = 0; i < ramp.size(); ++i) {
            EXPECT_EQ(cells[i], ramp[i]);
            EXPECT_EQ(cells[15 - i], ramp[i]);
            EXPECT_EQ(cells[last + i], ramp[i]);
            EXPECT_EQ(cells[last + 15 - i], ramp[i]);
        }
    }
}

TEST(PaletteContents, FillersWhereTheChartsEnd) {
    const Cells adobe = CellsOf("palAdobe");
    EXPECT_EQ(Cells(adobe.begin() + 122, adobe.end()), Cells(6, 0x000000));
    EXPECT_NE(adobe[121], 0x000000u);

    const Cells wxp = CellsOf("schWXP");
    EXPECT_EQ(Cells(wxp.begin() + 12, wxp.end()), Cells(4, 0x000000));
    EXPECT_EQ(std::count(wxp.begin(), wxp.begin() + 12, 0x000000u), 0);

    // No fillers and no black cell: every black pixel of the image is a line.
    const oracle::PaletteImage xp = oracle::DrawnChart(Entry("schXP"));
    for (int y = 0; y < xp.height; ++y) {
        for (int x = 0; x < xp.width; ++x) {
            if (x % 16 != 0 && y % 16 != 0) {
                ASSERT_NE(xp.At(x, y), 0x000000u) << x << ", " << y;
            }
        }
    }
}

}  // namespace
