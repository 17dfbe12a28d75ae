#include "app/Layout.h"

#include <gtest/gtest.h>

TEST(CentredOrigin, CentresAndDropsTheHalf)
{
    const struct {
        int window, screen, expected;
    } table[] = {
        { 595, 1920, 662 },  // 1325 / 2
        { 596, 1920, 662 },
        { 1920, 1920, 0 },
        { 2000, 1080, 0 },   // larger than the screen: never before its edge
        { 0, 1080, 540 },
        { 231, 768, 268 },   // 537 / 2
    };
    for (const auto& row : table)
        EXPECT_EQ(row.expected, CentredOrigin(row.window, row.screen)) << row.window << " on " << row.screen;
}

TEST(DropDownCreationHeight, FollowsVisualStyles)
{
    EXPECT_EQ(55, DropDownCreationHeight(true, 25));
    EXPECT_EQ(68, DropDownCreationHeight(true, 38));
    EXPECT_EQ(350, DropDownCreationHeight(false, 25));
    EXPECT_EQ(350, DropDownCreationHeight(false, 38));
}

TEST(VisualStylesInEffect, NeedsThemeAndCommonControlsSix)
{
    const struct {
        bool themed;
        unsigned long version;
        bool expected;
    } table[] = {
        { true, 0x60000, true },   // 6.0
        { true, 0x6000A, true },   // 6.10
        { true, 0x5FFFF, false },  // 5.65535
        { true, 0x50051, false },  // 5.81, what Wine's system copy reports
        { false, 0x6000A, false },
        { true, 0, false },        // the version could not be read
    };
    for (const auto& row : table)
        EXPECT_EQ(row.expected, VisualStylesInEffect(row.themed, row.version)) << std::hex << row.version;
}

TEST(SelectionFieldHeight, MakesTheClosedListExact)
{
    // A list that measured 21 with a 15-pixel field has 6 pixels of frame.
    EXPECT_EQ(19, SelectionFieldHeight(25, 21));
    EXPECT_EQ(25, SelectionFieldHeight(31, 21));
    EXPECT_EQ(15, SelectionFieldHeight(38, 38));
}
