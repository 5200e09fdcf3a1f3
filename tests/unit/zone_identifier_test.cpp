#include "shared/ZoneIdentifier.h"

#include <gtest/gtest.h>

using huetrove::BlockedZone;
using huetrove::ZoneIdOf;

TEST(ZoneIdentifier, ReadsTheZoneOfADownloadAndBlocksTheInternetAndRestrictedZones) {
    EXPECT_EQ(ZoneIdOf("[ZoneTransfer]\r\nZoneId=3\r\nReferrerUrl=https://example.org/\r\n"), 3);
    EXPECT_EQ(ZoneIdOf("[ZoneTransfer]\nZoneId=4"), 4);
    EXPECT_EQ(ZoneIdOf("[ZoneTransfer]\r\nZoneId=1\r\n"), 1);
    EXPECT_TRUE(BlockedZone(3));
    EXPECT_TRUE(BlockedZone(4));
    for (int zone : {0, 1, 2})
        EXPECT_FALSE(BlockedZone(zone)) << zone;
}

TEST(ZoneIdentifier, NoZoneOrABrokenOneIsTheLocalMachine) {
    EXPECT_EQ(ZoneIdOf(""), 0);
    EXPECT_EQ(ZoneIdOf("[ZoneTransfer]\r\n"), 0);
    EXPECT_EQ(ZoneIdOf("[ZoneTransfer]\r\nZoneId=\r\n"), 0);
    EXPECT_EQ(ZoneIdOf("[ZoneTransfer]\r\nZoneId=x3\r\n"), 0);
    EXPECT_EQ(ZoneIdOf("[ZoneTransfer]\r\nZoneId=12345\r\n"), 0);
}
