// Texts of the framework: the error box's full stop and menu shortcuts.
#include <gtest/gtest.h>

#include "framework/DpiScale.h"
#include "framework/ErrorText.h"
#include "framework/Exception.h"
#include "framework/ShortCut.h"

using fw::ErrorBoxText;
using fw::ParseShortCut;
using fw::ShortCutToText;

TEST(ErrorBoxText, AddsAFullStopOnlyAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(ErrorBoxText("Disk full"), "Disk full.");
    EXPECT_EQ(ErrorBoxText("Error 42"), "Error 42.");  // '2' sorts after '.'
    EXPECT_EQ(ErrorBoxText("Failed to get data for 'WindowTop'"), "Failed to get data for 'WindowTop'");
    EXPECT_EQ(ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(ErrorBoxText("Really!"), "Really!");
    EXPECT_EQ(ErrorBoxText("a-"), "a-");
    EXPECT_EQ(ErrorBoxText("path/"), "path/.");  // '/' follows '.'
    EXPECT_EQ(ErrorBoxText(""), "");
}

TEST(ErrorBoxText, TreatsCharactersAbove127AsSortingAfterTheStop) {
    EXPECT_EQ(ErrorBoxText("caf\xE9"), "caf\xE9.");
}

TEST(ShortCut, ReadsFunctionKeysAndModifiers) {
    EXPECT_EQ(ParseShortCut("F1"), (fw::TShortCut{0x70, false, false, false}));
    EXPECT_EQ(ParseShortCut("F8"), (fw::TShortCut{0x77, false, false, false}));
    EXPECT_EQ(ParseShortCut("Ctrl+F2"), (fw::TShortCut{0x71, true, false, false}));
    EXPECT_EQ(ParseShortCut("Ctrl+S"), (fw::TShortCut{'S', true, false, false}));
    EXPECT_EQ(ParseShortCut("Shift+Alt+X"), (fw::TShortCut{'X', false, true, true}));
    EXPECT_EQ(ParseShortCut("Apps"), (fw::TShortCut{0x5D, false, false, false}));  // the menu key
    EXPECT_EQ(ParseShortCut("Ctrl+Ins"), (fw::TShortCut{0x2D, true, false, false}));
    EXPECT_TRUE(ParseShortCut("").Empty());
}

TEST(ShortCut, RejectsWhatItCannotRead) {
    EXPECT_THROW(ParseShortCut("Ctrl+"), fw::Exception);
    EXPECT_THROW(ParseShortCut("F0"), fw::Exception);
    EXPECT_THROW(ParseShortCut("F25"), fw::Exception);
    EXPECT_THROW(ParseShortCut("ctrl+s"), fw::Exception);
}

TEST(ShortCut, WritesTheTextShownInMenus) {
    for (const char* text : {"F1", "F12", "Ctrl+F1", "Ctrl+H", "Ctrl+M", "Shift+Alt+X", "Shift+F10", "Apps", "Ctrl+Ins"})
        EXPECT_EQ(ShortCutToText(ParseShortCut(text)), text);
}

TEST(DpiScale, RoundsToTheNearestPixelWithHalvesAwayFromZeroAsMulDivDoes) {
    EXPECT_EQ(fw::ScaleToDpi(56, 96), 56);
    EXPECT_EQ(fw::ScaleToDpi(56, 144), 84);
    EXPECT_EQ(fw::ScaleToDpi(10, 120), 13);  // 12.5 rounds up
    EXPECT_EQ(fw::ScaleToDpi(11, 144), 17);  // 16.5 rounds up
    EXPECT_EQ(fw::ScaleToDpi(9, 120), 11);   // 11.25 rounds down
    EXPECT_EQ(fw::ScaleToDpi(-10, 120), -13);
    EXPECT_EQ(fw::ScaleToDpi(0, 192), 0);
    EXPECT_EQ(fw::ScaleToDpi(1 << 24, 480), 5 << 24) << "no overflow on large values";
}
