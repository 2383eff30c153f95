#include "catalogue/Filter.h"
#include "tests/support/SongSamples.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace SongSamples;
using VT::Filter;
using VT::PlayList;
using VT::Song;

constexpr std::uint8_t NoField = 6;
constexpr std::uint8_t NoOperator = 6;

// Every field holds the text: the field numbers themselves are the song's to keep apart.
Song SongWith(const std::string& t)
{
    return Make({.title = t, .artist = t, .album = t, .genre = t, .year = t, .fileName = t});
}

bool Matches(std::uint8_t field, std::uint8_t op, const std::string& criterion, const std::string& songText)
{
    return Filter::Criteria(field, op, criterion).Match(SongWith(songText));
}

TEST(FilterCriteria, MatchesByOperatorFoldingOnlyTheCapitalsAToZ)
{
    struct Case { std::uint8_t field, op; std::string song, criterion; bool matched; };
    constexpr auto T = Filter::Title, F = Filter::FileName, D = Filter::Date;
    constexpr auto Has = Filter::Contains, Is = Filter::Is, Starts = Filter::StartsWith, Ends = Filter::EndsWith;
    const std::string home = "my songs from home ";
    const Case cases[] = {
        {T, Has, "Lovely Day", "love", true}, {T, Has, "I LOVE You", "Love", true}, {T, Has, "Glove", "LOVE", true},
        {T, Has, "aab", "ab", true}, {T, Has, "abc", "abc", true}, {T, Has, "lo ve", "love", false},
        {T, Has, "Lov", "love", false}, {T, Has, "abc", "xabc", false}, {T, Has, "abc", "", true},
        {T, Has, "", "", false}, {Filter::Genre, Has, "", "rock", false}, {Filter::Genre, Has, "Hard Rock", "rock", true},
        // Bytes next to the letters and accented capitals are compared unchanged.
        {F, Has, home + "@HOME.mp3", "@home", true}, {F, Has, home + "`HOME.mp3", "@home", false},
        {F, Has, home + "@home.mp3", "`home", false}, {F, Has, home + "#12.mp3", "#12.MP3", true},
        {F, Has, home + "\xC9t\xE9.mp3", "\xE9t\xE9", false}, {F, Has, home + "\xC9t\xE9.mp3", "\xC9T\xE9", true},
        {Filter::Artist, Has, "BEYONC\xC9", "\xE9", false}, {Filter::Album, Has, "BEYONC\xC9", "nc\xC9", true},
        {T, Is, "Rock", "rock", true}, {T, Is, "rock", "ROCK", true}, {T, Is, "AZ", "az", true},
        {T, Is, "Rock ", "rock", false}, {T, Is, "Roc", "rock", false}, {T, Is, "abc", "abcd", false}, {T, Is, "", "", true},
        {T, Is, "\xC9T\xC9", "\xE9t\xE9", false}, {T, Is, "\xC9T\xC9", "\xC9t\xC9", true},
        {T, Is, "\xE9t\xE9", "\xC9T\xC9", false}, {T, Is, "@", "`", false}, {T, Is, "[", "{", false}, {T, Is, "`", "@", false},
        {D, Starts, "1994", "199", true}, {D, Starts, "199", "199", true}, {D, Starts, "2199", "199", false},
        {D, Starts, "19", "199", false}, {D, Starts, "", "199", false}, {T, Starts, "The End", "tHE", true},
        {T, Starts, "abc", "abcd", false}, {F, Ends, "abab", "ab", true}, {F, Ends, "xyzxyz", "xyz", true},
        {F, Ends, "Song.MP3", ".mp3", true}, {F, Ends, "abc", "ab", false}, {F, Ends, "abc", "xabc", false},
        {F, Ends, "abc", "xxabc", false}, {F, Ends, "", "a", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("operator " + std::to_string(c.op) + ", song \"" + c.song + "\", criterion \"" + c.criterion + "\"");
        EXPECT_EQ(Matches(c.field, c.op, c.criterion, c.song), c.matched);
        // Does Not Contain and Is Not follow the operator before them and answer the opposite.
        if (c.op == Has || c.op == Is) {
            EXPECT_EQ(Matches(c.field, c.op + 1, c.criterion, c.song), !c.matched);
        }
    }
}

TEST(FilterCriteria, ContainsFindsTheTextAtEveryPositionOfTitlesUpToFortyBytesAndNeverPastTheEnd)
{
    // Fills that offer no candidate, a candidate at every byte in either case, and bytes
    // just above the first letter of the text.
    for (const char fill : {'x', 'l', 'L', 'm', 'M'}) {
        for (std::size_t length = 4; length <= 40; ++length) {
            for (std::size_t at = 0; at + 4 <= length; ++at) {
                std::string whole(length, fill);
                whole.replace(at, 4, "LoVe");
                std::string broken = whole;
                broken[at + 3] = fill;
                SCOPED_TRACE(whole);
                EXPECT_TRUE(Matches(Filter::Title, Filter::Contains, "love", whole));
                EXPECT_FALSE(Matches(Filter::Title, Filter::Contains, "love", broken));
            }
            // A string is followed by a zero byte in memory; a criterion ending in one
            // must not find it there.
            const std::string title = std::string(length - 2, fill) + "ab";
            EXPECT_FALSE(Matches(Filter::Title, Filter::Contains, std::string("ab\0", 3), title)) << title;
            EXPECT_TRUE(Matches(Filter::Title, Filter::Contains, std::string("ab\0", 3), title + '\0')) << title;
        }
    }
}

TEST(FilterCriteria, AnUnknownFieldOrOperatorNeverMatches)
{
    for (std::uint8_t op = 0; op < NoOperator; ++op)
        EXPECT_FALSE(Filter::Criteria(NoField, op, "zzz").Match(SongWith("abc"))) << int(op);
    for (std::uint8_t field = 0; field < NoField; ++field)
        EXPECT_FALSE(Matches(field, NoOperator, "abc", "abc")) << int(field);
}

Song TitleAndArtist(const std::string& title, const std::string& artist = "")
{
    return Make({.title = title, .artist = artist});
}

Strings Selected(const Filter& filter, const PlayList& input, bool all)
{
    PlayList output;
    filter.Apply(input, output, all);
    return Titles(output);
}

TEST(FilterApply, WithoutCriteriaSelectsNothingAndEmptyTextsCountAsMatched)
{
    const PlayList input = ListOf("in", {TitleAndArtist("one"), TitleAndArtist(""), TitleAndArtist("three")});
    for (bool all : {true, false}) {
        EXPECT_TRUE(Selected(Filter(), input, all).empty());
        const Filter emptyTexts({Filter::Criteria(Filter::Title, Filter::Is, ""),
                                 Filter::Criteria(NoField, NoOperator, ""),
                                 Filter::Criteria(Filter::Date, Filter::DoesNotContain, "")});
        EXPECT_EQ(Selected(emptyTexts, input, all), Titles(input));
    }
}

TEST(FilterApply, AllNeedsEveryCriterionAndAnyNeedsOne)
{
    const PlayList input = ListOf("in", {TitleAndArtist("Love Me", "Queen"), TitleAndArtist("Love", "Other"),
                                                      TitleAndArtist("Hate", "QUEEN"), TitleAndArtist("Hate", "Other")});
    Filter filter;
    filter = {Filter::Criteria(Filter::Title, Filter::Contains, "love"),
              Filter::Criteria(Filter::Artist, Filter::Is, "queen")};
    EXPECT_EQ(Selected(filter, input, true), Strings{"Love Me"});
    EXPECT_EQ(Selected(filter, input, false), (Strings{"Love Me", "Love", "Hate"}));
    filter = {Filter::Criteria(Filter::Title, Filter::Contains, "love"), Filter::Criteria(NoField, Filter::Contains, "x")};
    EXPECT_TRUE(Selected(filter, input, true).empty());
    EXPECT_EQ(Selected(filter, input, false), (Strings{"Love Me", "Love"}));
}

TEST(FilterApply, AppendsCopiesInInputOrderAfterWhatTheOutputHeldAndSelectTellsWhereEachStood)
{
    const Song located = Make({.title = "Love A", .fileName = "a.mp3", .folder = "music"});
    const PlayList input = ListOf("in", {located, TitleAndArtist("Hate"), located, TitleAndArtist("LOVE B")});
    PlayList output = ListOf("out", {TitleAndArtist("earlier")});
    const Filter filter({Filter::Criteria(Filter::Title, Filter::Contains, "love")});
    filter.Apply(input, output, true);
    EXPECT_EQ(Titles(output), (Strings{"earlier", "Love A", "Love A", "LOVE B"}));
    EXPECT_EQ(filter.Select(input, true), (std::vector<std::size_t>{0, 2, 3}));
    EXPECT_TRUE(output.songs[2].IsSameEntry(located));
}

} // namespace
