#include "catalogue/GenreTable.h"

#include <gtest/gtest.h>

namespace {

TEST(GenreTable, RunsFromBluesToDanceHall)
{
    ASSERT_EQ(VT::GenreTable.size(), 126u);
    EXPECT_EQ(VT::GenreName(0), "Blues");
    EXPECT_EQ(VT::GenreName(125), "Dance Hall");
}

TEST(GenreTable, SpellsTheDisputedEntriesOneFixedWay)
{
    struct Entry {
        std::int32_t number;
        const char* name;
    };
    for (const Entry e : {Entry{1, "Classic Rock"}, Entry{7, "Hip-Hop"}, Entry{13, "Pop"}, Entry{14, "R&B"},
                          Entry{26, "Ambient"}, Entry{29, "Jazz+Funk"}, Entry{40, "AlternRock"}, Entry{60, "Top 40"},
                          Entry{62, "Pop/Funk"}, Entry{64, "Native American"}, Entry{67, "Psychadelic"},
                          Entry{78, "Rock & Roll"}, Entry{79, "Hard Rock"}, Entry{80, "Folk"}, Entry{85, "Bebob"},
                          Entry{93, "Psychedelic Rock"}, Entry{98, "Easy Listening"}, Entry{123, "Acapella"},
                          Entry{124, "Euro-House"}})
        EXPECT_EQ(VT::GenreName(e.number), e.name) << e.number;
}

TEST(GenreTable, NamesNoNumberOutsideTheTable)
{
    for (std::int32_t number : {-1, 126, 200, 254, 255, 256})
        EXPECT_EQ(VT::GenreName(number), "") << number;
}

TEST(GenreTable, FindsANameOnlyWhenEveryByteMatches)
{
    EXPECT_EQ(VT::GenreNumber("Pop"), 13);
    EXPECT_EQ(VT::GenreNumber("pop"), 255);
    EXPECT_EQ(VT::GenreNumber("Pop "), 255);
    EXPECT_EQ(VT::GenreNumber("Po"), 255);
    EXPECT_EQ(VT::GenreNumber(""), 255);
}

// A name that stood twice would send the later number back to the earlier one.
TEST(GenreTable, GivesEveryNameBackItsOwnNumber)
{
    for (std::int32_t number = 0; number < 126; ++number)
        EXPECT_EQ(VT::GenreNumber(VT::GenreName(number)), number) << VT::GenreName(number);
}

} // namespace
