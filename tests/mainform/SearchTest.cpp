#include "tests/mainform/AppFormFixture.h"

#include <QTest>

namespace {

class Search : public ListFormFixture {
protected:
    void ShowSongs(const std::vector<VT::Song>& songs)
    {
        AddSource(ListOf("Music", songs));
        ClickRow(*Form().SourceListBox, 0);
    }

    int GenreEntry(const std::string& genre) { return Form().GenreEdit->Items().IndexOf(genre); }

    void Click(TControl& control)
    {
        QTest::mouseClick(control.Widget(), Qt::LeftButton, {}, control.Widget()->rect().center());
    }
};

const std::vector<VT::Song> Years{MakeSong("a", "", "1985"), MakeSong("b", "", "1991"), MakeSong("c", "", "1999"),
                                  MakeSong("d", "", "2003"), MakeSong("e", "", "2015"), MakeSong("f", "", "1199")};

TEST_F(Search, TheFirstKeyClearsThePlaceholderAndTheTextSelectsByItsStartOrWithin)
{
    ShowSongs({MakeSong("Blue Sky"), MakeSong("Deep Blue"), MakeSong("Red")});
    Type(*Form().TitleEdit, "blue");
    EXPECT_EQ(Form().TitleEdit->Text(), "blue");
    EXPECT_TRUE(Form().SearchState.Typed);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"Blue Sky"}));
    Click(*Form().SearchWithinCheckBox);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"Blue Sky", "Deep Blue"}));
    Form().SearchWithinTextActionExecute();
    EXPECT_FALSE(Form().SearchWithinCheckBox->Checked());
    EXPECT_EQ(Column(1), (std::vector<std::string>{"Blue Sky"}));
}

TEST_F(Search, TitleAndArtistMustBothMatch)
{
    ShowSongs({MakeSong("Blue Sky", "Ann"), MakeSong("Blue Moon", "Bob"), MakeSong("Blue", "")});
    Type(*Form().TitleEdit, "blue");
    Type(*Form().ArtistEdit, "b");
    EXPECT_EQ(Column(1), (std::vector<std::string>{"Blue Moon"}));
}

TEST_F(Search, ADecadeChosenFromTheListSelectsByItsYearPrefix)
{
    ShowSongs(Years);
    Choose(*Form().YearEdit, 8);
    EXPECT_EQ(Form().YearEdit->Text(), "1990s");
    EXPECT_EQ(Column(1), (std::vector<std::string>{"b", "c"}));
    Choose(*Form().YearEdit, 9);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"d", "e"}));
    Form().SearchWithinTextActionExecute();
    Choose(*Form().YearEdit, 8);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"b", "c", "f"}));
    Choose(*Form().YearEdit, 0);
    EXPECT_EQ(Form().YearEdit->Text(), "all years");
    EXPECT_EQ(Column(1).size(), Years.size());
}

TEST_F(Search, TheEmptyYearEntryCountsAsAllYears)
{
    ShowSongs(Years);
    Choose(*Form().YearEdit, 8);
    Choose(*Form().YearEdit, 10);
    EXPECT_EQ(Form().YearEdit->Text(), "all years");
    EXPECT_TRUE(Form().SearchState.YearFromList);
    EXPECT_EQ(Column(1).size(), Years.size());
    EXPECT_EQ(Status(), "   Viewing Library \"Music\" (6 songs)");
}

TEST_F(Search, AKeyInTheYearBoxEndsTheDecadeChoice)
{
    ShowSongs(Years);
    Choose(*Form().YearEdit, 8);
    Type(*Form().YearEdit, "20");
    EXPECT_EQ(Form().YearEdit->Text(), "20");
    EXPECT_FALSE(Form().SearchState.YearFromList);
    EXPECT_EQ(Column(1), (std::vector<std::string>{"d", "e"}));
}

TEST_F(Search, AGenreChosenOrCompletedSelectsTheGenresItBegins)
{
    ShowSongs({MakeSong("a", "", "", "Rock"), MakeSong("b", "", "", "Rock & Roll"), MakeSong("c", "", "", "Pop")});
    Choose(*Form().GenreEdit, GenreEntry("rock"));
    EXPECT_EQ(Column(1), (std::vector<std::string>{"a", "b"}));
    Choose(*Form().GenreEdit, 0);
    EXPECT_TRUE(Form().SearchState.GenrePlaceholder);
    EXPECT_EQ(Form().GenreEdit->Text(), "all genres");
    EXPECT_EQ(Column(1).size(), 3u);
    Type(*Form().GenreEdit, "pop");
    EXPECT_EQ(Form().GenreEdit->Text(), "pop");
    EXPECT_EQ(Column(1), (std::vector<std::string>{"c"}));
}

TEST_F(Search, AClickIntoTheTitleBoxLeavesItEmptyUntilCancelSearch)
{
    ShowSongs({MakeSong("Blue Sky"), MakeSong("Red")});
    Click(*Form().TitleEdit);
    EXPECT_EQ(Form().TitleEdit->Text(), "");
    Form().RefreshSongView();
    EXPECT_EQ(Form().TitleEdit->Text(), "");
    EXPECT_EQ(Column(1).size(), 2u);
    Form().CancelSearchActionExecute();
    EXPECT_EQ(Form().TitleEdit->Text(), "all titles");
}

TEST_F(Search, CancelSearchRestoresThePlaceholdersAndTurnsWithinOff)
{
    ShowSongs(Years);
    Type(*Form().TitleEdit, "b");
    Type(*Form().ArtistEdit, "x");
    Choose(*Form().YearEdit, 8);
    Choose(*Form().GenreEdit, GenreEntry("rock"));
    Click(*Form().SearchWithinCheckBox);
    ASSERT_EQ(Column(1), (std::vector<std::string>{"(No Songs Found)"}));
    Click(*Form().ClearAllBrown);
    EXPECT_EQ(Form().TitleEdit->Text(), "all titles");
    EXPECT_EQ(Form().ArtistEdit->Text(), "all artists");
    EXPECT_EQ(Form().YearEdit->Text(), "all years");
    EXPECT_EQ(Form().GenreEdit->Text(), "all genres");
    EXPECT_FALSE(Form().SearchWithinCheckBox->Checked());
    EXPECT_FALSE(Form().SearchState.Typed);
    EXPECT_EQ(Column(1).size(), Years.size());
}

TEST_F(Search, EachListKeepsItsOwnSearch)
{
    AddSource(ListOf("Music", Years));
    AddPlayList(ListOf("Rock", Years));
    ClickRow(*Form().SourceListBox, 0);
    Type(*Form().TitleEdit, "c");
    Choose(*Form().YearEdit, 8);
    Click(*Form().SearchWithinCheckBox);
    ClickRow(*Form().PlaylistListBox, 0);
    EXPECT_EQ(Form().TitleEdit->Text(), "all titles");
    EXPECT_EQ(Form().YearEdit->Text(), "all years");
    EXPECT_FALSE(Form().SearchWithinCheckBox->Checked());
    Type(*Form().ArtistEdit, "y");
    ClickRow(*Form().SourceListBox, 0);
    EXPECT_EQ(Form().TitleEdit->Text(), "c");
    EXPECT_EQ(Form().YearEdit->Text(), "1990s");
    EXPECT_EQ(Form().ArtistEdit->Text(), "all artists");
    EXPECT_TRUE(Form().SearchWithinCheckBox->Checked());
    EXPECT_EQ(Column(1), (std::vector<std::string>{"c"}));
    ClickRow(*Form().PlaylistListBox, 0);
    EXPECT_EQ(Form().ArtistEdit->Text(), "y");
    EXPECT_EQ(Status(), "   Searching Play List \"Rock\" (0 of 6 songs)");
}

TEST_F(Search, AnEditOfTheShownPlayListKeepsTheSearchAndRewritesItsRow)
{
    const VT::ListPtr rock = AddPlayList(SongList("Rock", 3));
    ClickRow(*Form().PlaylistListBox, 0);
    Type(*Form().TitleEdit, "rock 1");
    Form().Model.AddSongs({MakeSong("Rock 10")}, rock);
    Form().RefreshSongView();
    EXPECT_EQ(Rows(*Form().PlaylistListBox), (std::vector<std::string>{"Rock (4)"}));
    EXPECT_EQ(Column(1), (std::vector<std::string>{"Rock 1", "Rock 10"}));
}

TEST_F(Search, WithNothingShownARefreshOnlyRewritesTheStatusAndButtons)
{
    AddSource(SongList("Music", 2));
    Form().RefreshSongView();
    EXPECT_EQ(Status(), "   No Play List or Source Selected");
    EXPECT_EQ(Form().mp3ListView->Items().Count(), 0);
    EXPECT_FALSE(Form().mp3ListView->Enabled());
    EXPECT_FALSE(Form().Play->Enabled());
}

} // namespace
