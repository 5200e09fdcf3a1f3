// The text forms of a colour: the HTML code and the decimal values read back from it.
#include <gtest/gtest.h>

#include "shared/ColorText.h"

using huetrove::DecimalComponents;
using huetrove::ExplicitColorToHTML;
using huetrove::HexToInt;

TEST(ColorToHTML, ReordersTheBytesIntoRedGreenBlue) {
    EXPECT_EQ(ExplicitColorToHTML(0x000000FF), "#FF0000");
    EXPECT_EQ(ExplicitColorToHTML(0x00FF0000), "#0000FF");
    EXPECT_EQ(ExplicitColorToHTML(0x00123456), "#563412");
    EXPECT_EQ(ExplicitColorToHTML(0x00000000), "#000000");
    EXPECT_EQ(ExplicitColorToHTML(0x00FFFFFF), "#FFFFFF");
    EXPECT_EQ(ExplicitColorToHTML(0x000A0B0C), "#0C0B0A");
}

TEST(ColorToHTML, IgnoresAFlagByteAboveTheColour) {
    // A palette-relative value still names the same red, green and blue.
    EXPECT_EQ(ExplicitColorToHTML(0x02336699), "#996633");
}

TEST(HexToInt, ReadsDigitsInEitherCase) {
    EXPECT_EQ(HexToInt("0a"), 10u);
    EXPECT_EQ(HexToInt("0A"), 10u);
    EXPECT_EQ(HexToInt("ff"), 255u);
    EXPECT_EQ(HexToInt("7F"), 127u);
    EXPECT_EQ(HexToInt(""), 0u);
}

TEST(HexToInt, ShiftsForCharactersThatAreNoDigits) {
    EXPECT_EQ(HexToInt("G1"), 1u);
    EXPECT_EQ(HexToInt("1G"), 16u);
    EXPECT_EQ(HexToInt("#"), 0u);
    EXPECT_EQ(HexToInt("1 2"), 0x102u);
}

TEST(HexToInt, CountsEveryCharacterOfALongText) {
    // 257 characters: counting only the low 8 bits of the length would read one.
    std::string text(256, '0');
    text += "7";
    EXPECT_EQ(HexToInt(text), 7u);
    EXPECT_EQ(HexToInt(std::string(300, 'F')), 0xFFFFFFFFu);
}

TEST(DecimalComponents, ComeFromTheCodesCharacters) {
    EXPECT_EQ(DecimalComponents("#0A0B0C"), (std::array<std::string, 3>{"10", "11", "12"}));
    EXPECT_EQ(DecimalComponents("#FF0000"), (std::array<std::string, 3>{"255", "0", "0"}));
    EXPECT_EQ(DecimalComponents("#336699"), (std::array<std::string, 3>{"51", "102", "153"}));
}

TEST(DecimalComponents, AShortTextGivesZerosRatherThanReadingPastIt) {
    EXPECT_EQ(DecimalComponents(""), (std::array<std::string, 3>{"0", "0", "0"}));
    EXPECT_EQ(DecimalComponents("#AB"), (std::array<std::string, 3>{"171", "0", "0"}));
}
