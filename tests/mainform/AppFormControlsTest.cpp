#include "tests/mainform/AppFormFixture.h"

#include "mainform/GenreList.h"

#include <algorithm>

namespace {

using AppFormControls = AppFormFixture;

std::vector<std::string> Entries(TComboBox& box)
{
    std::vector<std::string> entries;
    for (int i = 0; i < box.Items().Count(); ++i)
        entries.push_back(box.Items()[i]);
    return entries;
}

TEST(GenreOrder, IgnoresHyphensAndPutsPunctuationBeforeDigitsBeforeLetters)
{
    EXPECT_TRUE(GenreNameBefore("eurodance", "euro-house"));
    EXPECT_TRUE(GenreNameBefore("folklore", "folk-rock"));
    EXPECT_TRUE(GenreNameBefore("pop/funk", "pop-folk"));
    EXPECT_TRUE(GenreNameBefore("classic rock", "classical"));
    EXPECT_TRUE(GenreNameBefore("acid", "acid jazz"));
    EXPECT_TRUE(GenreNameBefore("r&b", "rap"));
    EXPECT_TRUE(GenreNameBefore("80s", "alternative"));
    EXPECT_FALSE(GenreNameBefore("euro-house", "eurodance"));
    EXPECT_FALSE(GenreNameBefore("acid", "acid"));
}

TEST(GenreOrder, ListsEveryGenreOnceInLowerCase)
{
    const std::vector<std::string> names = SortedGenreNames();
    ASSERT_EQ(names.size(), 126u);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), GenreNameBefore));
    for (const std::string& name : names)
        EXPECT_TRUE(std::none_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) << name;
    EXPECT_NE(std::find(names.begin(), names.end(), "rock & roll"), names.end());
}

TEST_F(AppFormControls, TheWindowIsVeskTuneloAtEightHundredBySixHundred)
{
    EXPECT_EQ(Form().Caption(), "Vesk Tunelo");
    EXPECT_EQ(Form().Width(), 800);
    EXPECT_EQ(Form().Height(), 600);
    EXPECT_EQ(Form().Position(), poScreenCenter);
    Form().SetBounds(0, 0, 300, 200);
    EXPECT_EQ(Form().Width(), 800);
    EXPECT_EQ(Form().Height(), 600);
}

TEST_F(AppFormControls, TheSongViewHasItsEightColumnsWithTheirBounds)
{
    TListColumns& columns = Form().mp3ListView->Columns();
    ASSERT_EQ(columns.Count(), 8);
    const std::vector<std::string> captions{"", "Song Title", "Artist", "Album", "Year", "Genre", "File", "Path"};
    const std::vector<int> widths{35, 250, 125, 100, 50, 80, 250, 0};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(columns[i].Caption(), captions[i]);
        EXPECT_EQ(columns[i].Width(), widths[i]);
    }
    EXPECT_EQ(columns[0].Bounded(100), 80);
    EXPECT_EQ(columns[0].Bounded(0), 35);
    EXPECT_EQ(columns[1].Bounded(0), 50);
    EXPECT_EQ(columns[7].Bounded(100), 1);
    EXPECT_FALSE(Form().mp3ListView->Enabled());
    EXPECT_TRUE(Form().mp3ListView->MultiSelect());
}

TEST_F(AppFormControls, TheSearchBoxesStartWithTheirPlaceholdersAndPickLists)
{
    EXPECT_EQ(Form().TitleEdit->Text(), "all titles");
    EXPECT_EQ(Form().ArtistEdit->Text(), "all artists");
    EXPECT_EQ(Form().YearEdit->Text(), "all years");
    EXPECT_EQ(Form().GenreEdit->Text(), "all genres");
    EXPECT_EQ(Entries(*Form().YearEdit), (std::vector<std::string>{"all years", "1920s", "1930s", "1940s", "1950s",
                                                                   "1960s", "1970s", "1980s", "1990s", "2000s", ""}));
    std::vector<std::string> genres = SortedGenreNames();
    genres.insert(genres.begin(), "all genres");
    EXPECT_EQ(Entries(*Form().GenreEdit), genres);
    EXPECT_TRUE(Form().GenreEdit->AutoComplete());
    EXPECT_FALSE(Form().YearEdit->AutoComplete());
    EXPECT_EQ(Form().SearchWithinCheckBox->Caption(), "Within");
    EXPECT_FALSE(Form().SearchWithinCheckBox->Checked());
}

TEST_F(AppFormControls, TheHiddenPartsStartHiddenAndTheTimersOff)
{
    EXPECT_FALSE(Form().HelpArrow->Visible());
    EXPECT_FALSE(Form().ArrowPanel->Visible());
    EXPECT_EQ(Form().ArrowPanel->Width(), 12);
    EXPECT_EQ(Form().ArrowPanel->Height(), 22);
    EXPECT_FALSE(Form().HelpTimer->Enabled());
    EXPECT_FALSE(Form().ToolBoxAnimate->Enabled());
    EXPECT_EQ(Form().HelpStep1->Caption(), "Step 1");
    EXPECT_EQ(Form().StaticText1->Caption(), "To build a play list, drag songs from song list over play list title.");
}

TEST_F(AppFormControls, TheToolBoxFollowsTheWindowsBottomAndRightEdges)
{
    const int searchGap = Form().ClientHeight() - Form().SearchGroupBox->Top();
    const int rightGap = Form().ClientWidth() - Form().mp3ViewPanel->Left() - Form().mp3ViewPanel->Width();
    Form().SetBounds(0, 0, 900, 700);
    EXPECT_EQ(Form().ClientHeight() - Form().SearchGroupBox->Top(), searchGap);
    EXPECT_EQ(Form().ClientHeight() - Form().QuickHelpPanel->Top(), searchGap);
    EXPECT_EQ(Form().ClientWidth() - Form().mp3ViewPanel->Left() - Form().mp3ViewPanel->Width(), rightGap);
    EXPECT_EQ(Form().SourcePanel->Left(), 0);
    EXPECT_EQ(Form().mp3ViewPanel->Left(), 184);
}

} // namespace
