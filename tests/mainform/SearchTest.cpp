#include "tests/mainform/AppFormFixture.h"

#include "mainform/GenreList.h"
#include "mainform/YearList.h"

namespace {

using Search = ListFormFixture;

TEST(YearList, GivesEachDecadeItsYearPrefixAndOtherEntriesNone)
{
    const std::vector<std::pair<int, std::string>> cases{
        {0, ""}, {1, "192"}, {8, "199"}, {9, "20"}, {10, ""}, {-1, ""}, {11, ""}};
    for (const auto& [entry, prefix] : cases)
        EXPECT_EQ(DecadePrefix(entry), prefix) << entry;
}

TEST(GenreList, IgnoresHyphensAndPutsPunctuationBeforeDigitsBeforeLetters)
{
    const std::vector<std::pair<std::string, std::string>> ordered{
        {"eurodance", "euro-house"}, {"folklore", "folk-rock"}, {"pop/funk", "pop-folk"}, {"classic rock", "classical"},
        {"acid", "acid jazz"},       {"r&b", "rap"},            {"80s", "alternative"}};
    for (const auto& [before, after] : ordered) {
        EXPECT_TRUE(GenreNameBefore(before, after)) << before;
        EXPECT_FALSE(GenreNameBefore(after, before)) << after;
    }
    EXPECT_FALSE(GenreNameBefore("acid", "acid"));
}

const std::vector<VT::Song> Years{Make({.title = "a", .year = "1985"}), Make({.title = "b", .year = "1991"}),
                                  Make({.title = "c", .year = "1999"}), Make({.title = "d", .year = "2003"}),
                                  Make({.title = "e", .year = "2015"}), Make({.title = "f", .year = "1199"})};

TEST_F(Search, TheFirstKeyClearsThePlaceholderAndTheTextSelectsByItsStartOrWithin)
{
    ShowSource(ListOf("Mix", {Make({.title = "Blue Sky", .artist = "A"}), Make({.title = "Deep Blue", .artist = "Bob"}),
                              Make({.title = "Blue Moon", .artist = "Bob"}), Make({.title = "Blue"})}));
    Type(*Form().TitleEdit, "blue");
    EXPECT_EQ(Column(1), (Strings{"Blue Sky", "Blue Moon", "Blue"}));
    Click(*Form().SearchWithinCheckBox);
    EXPECT_EQ(Column(1), (Strings{"Blue Sky", "Deep Blue", "Blue Moon", "Blue"}));
    Type(*Form().ArtistEdit, "b");
    EXPECT_EQ(Column(1), (Strings{"Deep Blue", "Blue Moon"}));
    Form().SearchWithinTextActionExecute();
    EXPECT_FALSE(Form().SearchWithinCheckBox->Checked());
    EXPECT_EQ(Column(1), (Strings{"Blue Moon"}));
}

// The first key pressed in the Year box ends the decade choice.
TEST_F(Search, ADecadeChosenFromTheListSelectsByItsYearPrefix)
{
    ShowSource(ListOf("Music", Years));
    Choose(*Form().YearEdit, 8);
    EXPECT_EQ(Form().YearEdit->Text(), "1990s");
    EXPECT_EQ(Column(1), (Strings{"b", "c"}));
    Form().SearchWithinTextActionExecute();
    EXPECT_EQ(Column(1), (Strings{"b", "c", "f"}));
    for (const int placeholderLike : {0, 10}) {
        Choose(*Form().YearEdit, 9);
        Choose(*Form().YearEdit, placeholderLike);
        EXPECT_EQ(Form().YearEdit->Text(), "all years");
        EXPECT_EQ(Column(1).size(), Years.size());
    }
    Choose(*Form().YearEdit, 8);
    Type(*Form().YearEdit, "20");
    EXPECT_EQ(Form().YearEdit->Text(), "20");
    EXPECT_EQ(Column(1), (Strings{"d", "e"}));
}

TEST_F(Search, AGenreChosenOrCompletedSelectsTheGenresItBegins)
{
    ShowSource(ListOf("Music", {Make({.title = "a", .genre = "Rock"}), Make({.title = "b", .genre = "Rock & Roll"}),
                                Make({.title = "c", .genre = "Pop"})}));
    Choose(*Form().GenreEdit, Form().GenreEdit->Items().IndexOf("rock"));
    EXPECT_EQ(Column(1), (Strings{"a", "b"}));
    Choose(*Form().GenreEdit, 0);
    EXPECT_EQ(Form().GenreEdit->Text(), "all genres");
    EXPECT_EQ(Column(1).size(), 3u);
    Type(*Form().GenreEdit, "pop");
    EXPECT_EQ(Column(1), (Strings{"c"}));
}

// A box emptied by a click stays empty, and adds no criterion, until Cancel Search.
TEST_F(Search, CancelSearchRestoresThePlaceholdersAndTurnsWithinOff)
{
    ShowSource(ListOf("Music", Years));
    Click(*Form().TitleEdit);
    Form().RefreshSongView();
    EXPECT_EQ(Form().TitleEdit->Text(), "");
    EXPECT_EQ(Column(1).size(), Years.size());
    Type(*Form().ArtistEdit, "x");
    Choose(*Form().YearEdit, 8);
    Choose(*Form().GenreEdit, Form().GenreEdit->Items().IndexOf("rock"));
    Click(*Form().SearchWithinCheckBox);
    ASSERT_EQ(Column(1), (Strings{"(No Songs Found)"}));
    Click(*Form().ClearAllBrown);
    EXPECT_EQ((Strings{Form().TitleEdit->Text(), Form().ArtistEdit->Text(), Form().YearEdit->Text(), Form().GenreEdit->Text()}),
              (Strings{"all titles", "all artists", "all years", "all genres"}));
    EXPECT_FALSE(Form().SearchWithinCheckBox->Checked());
    EXPECT_EQ(Column(1).size(), Years.size());
}

TEST_F(Search, EachListKeepsItsOwnSearch)
{
    AddPlayList(ListOf("Rock", Years));
    ShowSource(ListOf("Music", Years));
    Type(*Form().TitleEdit, "c");
    Choose(*Form().YearEdit, 8);
    Click(*Form().SearchWithinCheckBox);
    ClickRow(*Form().PlaylistListBox, 0);
    EXPECT_EQ(Form().TitleEdit->Text(), "all titles");
    EXPECT_FALSE(Form().SearchWithinCheckBox->Checked());
    Type(*Form().ArtistEdit, "y");
    ClickRow(*Form().SourceListBox, 0);
    EXPECT_EQ(Form().TitleEdit->Text(), "c");
    EXPECT_EQ(Form().YearEdit->Text(), "1990s");
    EXPECT_TRUE(Form().SearchWithinCheckBox->Checked());
    EXPECT_EQ(Column(1), (Strings{"c"}));
    ClickRow(*Form().PlaylistListBox, 0);
    EXPECT_EQ(Form().ArtistEdit->Text(), "y");
}

} // namespace
