#include "catalogue/Filter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using VT::Filter;
using VT::PlayList;
using VT::Song;

constexpr std::uint8_t NoField = 6;
constexpr std::uint8_t NoOperator = 6;
constexpr std::uint8_t AllOperators[] = {Filter::Contains, Filter::DoesNotContain, Filter::Is,
                                         Filter::IsNot, Filter::StartsWith, Filter::EndsWith};

Song SongWith(std::uint8_t field, std::string text)
{
    Song song;
    switch (field) {
    case Filter::Title: song.SetTitle(std::move(text)); break;
    case Filter::Artist: song.SetArtist(std::move(text)); break;
    case Filter::Album: song.SetAlbum(std::move(text)); break;
    case Filter::Date: song.SetYear(std::move(text)); break;
    case Filter::Genre: song.SetGenre(std::move(text)); break;
    default: song.SetFileName(std::move(text)); break;
    }
    return song;
}

bool Matches(std::uint8_t field, std::uint8_t op, std::string criterion, std::string songText)
{
    return Filter::Criteria(field, op, std::move(criterion)).Match(SongWith(field, std::move(songText)));
}

Song Titled(std::string title, std::string artist = "")
{
    Song song;
    song.SetTitle(std::move(title));
    song.SetArtist(std::move(artist));
    return song;
}

PlayList ListOf(std::vector<Song> songs)
{
    PlayList list;
    list.songs = std::move(songs);
    return list;
}

std::vector<std::string> Titles(const PlayList& list)
{
    std::vector<std::string> titles;
    for (const Song& song : list.songs)
        titles.push_back(song.GetTitle());
    return titles;
}

std::vector<std::string> Selected(const Filter& filter, const PlayList& input, bool all)
{
    PlayList output;
    filter.Apply(input, output, all);
    return Titles(output);
}

struct TextCase {
    const char* songText;
    const char* criterion;
    bool expected;
};

// Runs one operator and, where given, its negation over a table of texts.
void CheckTable(std::uint8_t field, std::uint8_t op, std::uint8_t negation, const std::vector<TextCase>& cases)
{
    for (const TextCase& c : cases) {
        SCOPED_TRACE(std::string("song \"") + c.songText + "\", criterion \"" + c.criterion + "\"");
        EXPECT_EQ(Matches(field, op, c.criterion, c.songText), c.expected);
        if (negation != NoOperator) {
            EXPECT_EQ(Matches(field, negation, c.criterion, c.songText), !c.expected);
        }
    }
}

} // namespace

TEST(FilterCriteria, KeepsItsValuesAsGiven)
{
    const Filter::Criteria criteria(9, 7, "MiXed Case");
    EXPECT_EQ(criteria.GetField(), 9);
    EXPECT_EQ(criteria.GetOperator(), 7);
    EXPECT_EQ(criteria.GetText(), "MiXed Case");
}

TEST(FilterCriteria, EachFieldNumberTestsItsOwnText)
{
    Song song;
    song.SetTitle("the title");
    song.SetArtist("the artist");
    song.SetAlbum("the album");
    song.SetYear("1994");
    song.SetGenre("Rock");
    song.SetFileName("file.mp3");
    song.SetFolder("music folder");
    const std::vector<std::string> texts = {"the title", "the artist", "the album", "1994", "Rock", "file.mp3"};
    for (std::uint8_t field = 0; field < texts.size(); ++field) {
        for (std::uint8_t other = 0; other < texts.size(); ++other) {
            SCOPED_TRACE("field " + std::to_string(field) + ", text of field " + std::to_string(other));
            EXPECT_EQ(Filter::Criteria(field, Filter::Is, texts[other]).Match(song), field == other);
        }
    }
    EXPECT_FALSE(Filter::Criteria(Filter::FileName, Filter::Contains, "folder").Match(song));
}

TEST(FilterContains, FindsTheFoldedTextAnywhere)
{
    CheckTable(Filter::Title, Filter::Contains, Filter::DoesNotContain,
               {
                   {"Lovely Day", "love", true},
                   {"I LOVE You", "Love", true},
                   {"Glove", "LOVE", true},
                   {"aab", "ab", true},
                   {"abc", "abc", true},
                   {"lo ve", "love", false},
                   {"Lov", "love", false},
                   {"abc", "", true},
                   {"", "", false},
                   {"", "a", false},
               });
}

TEST(FilterContains, FindsTheTextAtEveryPositionOfTitlesUpToFortyBytes)
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
        }
    }
}

TEST(FilterContains, NeverLooksPastTheEndOfTheTitle)
{
    // A string is followed by a zero byte in memory; a criterion ending in one must not find it there.
    const std::string endingInZero("ab\0", 3);
    for (std::size_t length = 2; length <= 40; ++length) {
        const std::string title = std::string(length - 2, 'x') + "ab";
        SCOPED_TRACE(title);
        EXPECT_FALSE(Matches(Filter::Title, Filter::Contains, endingInZero, title));
        EXPECT_TRUE(Matches(Filter::Title, Filter::Contains, endingInZero, title + '\0'));
    }
}

TEST(FilterContains, MatchesATextStartingWithAnythingButALetterExactly)
{
    CheckTable(Filter::FileName, Filter::Contains, Filter::DoesNotContain,
               {
                   {"my songs from home @HOME.mp3", "@home", true},
                   {"my songs from home `HOME.mp3", "@home", false},
                   {"my songs from home `home.mp3", "`home", true},
                   {"my songs from home @home.mp3", "`home", false},
                   {"track number 12 of the album #12.mp3", "#12.MP3", true},
                   {"track number 12 of the album \xC9t\xE9.mp3", "\xE9t\xE9", false},
                   {"track number 12 of the album \xC9t\xE9.mp3", "\xC9T\xE9", true},
               });
}

TEST(FilterContains, AnEmptyGenreHoldsNoGenre)
{
    CheckTable(Filter::Genre, Filter::Contains, Filter::DoesNotContain, {{"", "rock", false}, {"Hard Rock", "rock", true}});
}

TEST(FilterIs, ComparesTheWholeFoldedTexts)
{
    CheckTable(Filter::Title, Filter::Is, Filter::IsNot,
               {
                   {"Rock", "rock", true},
                   {"ROCK", "rock", true},
                   {"rock", "ROCK", true},
                   {"Rock ", "rock", false},
                   {"Roc", "rock", false},
                   {"", "", true},
               });
}

TEST(FilterFolding, FoldsOnlyTheCapitalsAToZ)
{
    CheckTable(Filter::Title, Filter::Is, Filter::IsNot,
               {
                   {"AZ", "az", true},
                   {"\xC9T\xC9", "\xE9t\xE9", false}, // accented capitals stay as they are
                   {"\xC9T\xC9", "\xC9t\xC9", true},
                   {"\xE9t\xE9", "\xC9T\xC9", false},
                   {"@", "`", false},  // the neighbours of A and Z
                   {"[", "{", false},
                   {"`", "@", false},
               });
    CheckTable(Filter::Artist, Filter::Contains, Filter::DoesNotContain,
               {{"BEYONC\xC9", "\xE9", false}, {"BEYONC\xC9", "nc\xC9", true}});
}

TEST(FilterStartsWith, TestsTheFoldedPrefix)
{
    CheckTable(Filter::Date, Filter::StartsWith, NoOperator,
               {
                   {"1994", "199", true},
                   {"199", "199", true},
                   {"2199", "199", false},
                   {"19", "199", false},
                   {"", "199", false},
               });
    CheckTable(Filter::Title, Filter::StartsWith, NoOperator, {{"The End", "tHE", true}, {"Other", "the", false}});
}

TEST(FilterStartsWith, DateSelectsTheSongsOfADecade)
{
    std::vector<Song> songs;
    for (const char* year : {"1994", "2001", "", "1999", "1899"}) {
        Song song = Titled(std::string("song of ") + year);
        song.SetYear(year);
        songs.push_back(song);
    }
    const Filter filter({Filter::Criteria(Filter::Date, Filter::StartsWith, "199")});
    const std::vector<std::string> expected = {"song of 1994", "song of 1999"};
    EXPECT_EQ(Selected(filter, ListOf(songs), true), expected);
}

TEST(FilterEndsWith, TestsTheFoldedSuffixWhereverTheTextFirstOccurs)
{
    CheckTable(Filter::FileName, Filter::EndsWith, NoOperator,
               {
                   {"abab", "ab", true},
                   {"xyzxyz", "xyz", true},
                   {"abc", "bc", true},
                   {"Song.MP3", ".mp3", true},
                   {"abc", "ab", false},
                   {"abc", "xabc", false}, // one longer than the field
                   {"abc", "xxabc", false},
                   {"", "a", false},
               });
}

TEST(FilterCriteria, ATextLongerThanTheFieldIsNeverFound)
{
    const bool expected[] = {false, true, false, true, false, false};
    for (const char* criterion : {"abcd", "xabc", "abcde", "xxabc"}) {
        for (std::uint8_t op : AllOperators) {
            SCOPED_TRACE(std::string(criterion) + ", operator " + std::to_string(op));
            EXPECT_EQ(Matches(Filter::Title, op, criterion, "abc"), expected[op]);
        }
    }
}

TEST(FilterCriteria, UnknownFieldOrOperatorNeverMatches)
{
    const Song song = SongWith(Filter::Title, "abc");
    for (std::uint8_t op : AllOperators)
        EXPECT_FALSE(Filter::Criteria(NoField, op, "zzz").Match(song)) << "operator " << int(op);
    for (std::uint8_t field = 0; field < NoField; ++field)
        EXPECT_FALSE(Filter::Criteria(field, NoOperator, "abc").Match(SongWith(field, "abc"))) << "field " << int(field);
}

TEST(FilterApply, WithoutCriteriaSelectsNothing)
{
    const PlayList input = ListOf({Titled("one"), Titled("two")});
    PlayList output = ListOf({Titled("before")});
    for (bool all : {true, false}) {
        Filter().Apply(input, output, all);
        EXPECT_EQ(Titles(output), std::vector<std::string>{"before"});
    }
}

TEST(FilterApply, EmptyTextsCountAsMatchedWhateverFieldAndOperator)
{
    const PlayList input = ListOf({Titled("one"), Titled(""), Titled("three")});
    const std::vector<std::vector<Filter::Criteria>> filters = {
        {Filter::Criteria(Filter::Title, Filter::Is, "")},
        {Filter::Criteria(Filter::Title, Filter::EndsWith, "")},
        {Filter::Criteria(NoField, Filter::Contains, "")},
        {Filter::Criteria(Filter::Title, NoOperator, "")},
        {Filter::Criteria(Filter::Genre, Filter::Contains, ""), Filter::Criteria(NoField, NoOperator, ""),
         Filter::Criteria(Filter::Date, Filter::DoesNotContain, "")},
    };
    for (std::size_t i = 0; i < filters.size(); ++i) {
        for (bool all : {true, false}) {
            SCOPED_TRACE("filter " + std::to_string(i) + (all ? ", all" : ", any"));
            EXPECT_EQ(Selected(Filter(filters[i]), input, all), Titles(input));
        }
    }
}

TEST(FilterApply, AllNeedsEveryCriterionAndAnyNeedsOne)
{
    const PlayList input = ListOf({Titled("Love Me", "Queen"), Titled("Love", "Other"), Titled("Hate", "QUEEN"),
                                   Titled("Hate", "Other")});
    Filter filter;
    filter = {Filter::Criteria(Filter::Title, Filter::Contains, "love"),
              Filter::Criteria(Filter::Artist, Filter::Is, "queen")};
    EXPECT_EQ(Selected(filter, input, true), std::vector<std::string>{"Love Me"});
    EXPECT_EQ(Selected(filter, input, false), (std::vector<std::string>{"Love Me", "Love", "Hate"}));

    const Filter withUnknown({Filter::Criteria(Filter::Title, Filter::Contains, "love"),
                              Filter::Criteria(NoField, Filter::Contains, "x")});
    EXPECT_TRUE(Selected(withUnknown, input, true).empty());
    EXPECT_EQ(Selected(withUnknown, input, false), (std::vector<std::string>{"Love Me", "Love"}));
}

TEST(FilterApply, AppendsCopiesInInputOrderAfterWhatTheOutputHeld)
{
    Song located = Titled("Love A");
    located.SetFileName("a.mp3");
    located.SetFolder("music");
    const PlayList input = ListOf({located, Titled("Hate"), located, Titled("LOVE B")});
    PlayList output = ListOf({Titled("earlier")});

    Filter({Filter::Criteria(Filter::Title, Filter::Contains, "love")}).Apply(input, output, true);

    EXPECT_EQ(Titles(output), (std::vector<std::string>{"earlier", "Love A", "Love A", "LOVE B"}));
    EXPECT_TRUE(output.songs[1].IsSameEntry(located));
    EXPECT_EQ(output.songs[2].GetFullFileName(), located.GetFullFileName());
    EXPECT_EQ(Titles(input), (std::vector<std::string>{"Love A", "Hate", "Love A", "LOVE B"}));
}
