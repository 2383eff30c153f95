#include "tests/mainform/AppFormFixture.h"

#include "mainform/OptionsFile.h"

namespace {

using Options = AppFormFixture;

constexpr std::array<std::int32_t, 8> Widths{35, 250, 125, 100, 50, 80, 250, 0};
const std::string WidthLines = "35\r\n250\r\n125\r\n100\r\n50\r\n80\r\n250\r\n0\r\n";

TEST(OptionsFile, WritesTwelveLinesWithTheStatesAndTheKindSignExtended)
{
    EXPECT_EQ(FormatOptions({255, 2, 1, 3, {35, 250, 140, 100, 50, 80, 250, 0}}),
              "-1\r\n2\r\n1\r\n3\r\n35\r\n250\r\n140\r\n100\r\n50\r\n80\r\n250\r\n0\r\n");
}

TEST(OptionsFile, ReadsWhatItCanOverTheCurrentValues)
{
    const std::vector<std::tuple<std::string, bool, WindowOptions>> cases{
        {"1\r\n0\r\n1\r\n3\r\n40\r\n300\r\n125\r\n100\r\n50\r\n80\r\n250\r\n0\r\n", true,
         {1, 0, 1, 3, {40, 300, 125, 100, 50, 80, 250, 0}}},
        {" 0 1\t2 \n-1 10 10 -5 2000 60 70 80 300", true, {0, 1, 2, -1, {10, 10, 125, 2000, 60, 70, 80, 0}}},
        {"0 1 0 4\n0 4000 4001 -1 1 2147483647 1 1\n", true, {0, 1, 0, 4, {35, 4000, 125, 100, 1, 80, 1, 0}}},
        {"", false, {0, 1, 2, -1, Widths}},
        {"2", false, {2, 1, 2, -1, Widths}},
        {"2\r\n", true, {2, 1, 2, -1, Widths}},
        {"2\r\n0\r\n1\r\nthree\r\n40\r\n", true, {2, 0, 1, -1, Widths}},
        {"-1\r\n258\r\n-2\r\n", true, {255, 2, 254, -1, Widths}},
        {"0\r\n1\r\n0\r\n4\r\n99999999999\r\n300\r\n", true, {0, 1, 0, 4, Widths}},
        {"0\r\n1\r\n0\r\n-2147483648\r\n", true, {0, 1, 0, -2147483648, Widths}},
    };
    for (const auto& [text, complete, expected] : cases) {
        WindowOptions options{0, 1, 2, -1, Widths};
        EXPECT_EQ(ReadOptions(text, options), complete) << text;
        EXPECT_EQ(options, expected) << text;
    }
}

// Only a file that goes on after its first value gets as far as the beginner help.
TEST_F(Options, StartTheBeginnerHelpWhenMissingOrReadPastTheFirstValue)
{
    const std::vector<std::tuple<const char*, bool, std::uint8_t>> cases{
        {nullptr, true, 0}, {"2", false, 2}, {"2\r\n", true, 2}};
    for (const auto& [text, helpRunning, previousState] : cases) {
        Restart();
        if (text)
            Folder().Write("options.opt", text);
        Form().LoadOptions();
        EXPECT_EQ(Form().HelpRunning, helpRunning) << (text ? text : "missing");
        EXPECT_EQ(Form().PrevToolBoxState, previousState);
    }
}

class OptionsWithLists : public AppFormFixture {
protected:
    OptionsWithLists()
    {
        WriteList(SongList("Jazz", 3), ".vts");
        for (const char* name : {"Alpha", "Bravo", "Charlie", "Delta"})
            WriteList(SongList(name, 2), ".vtl");
    }
};

// A list added during a run stands after the play lists of an equal name, or last among
// the sources, while the next start reads the files in the byte order of their names.
TEST_F(OptionsWithLists, KeepTheShownListTheToolBoxAndTheWidthsForTheNextRun)
{
    StartAndLoad();
    Form().LoadPlayLists(std::vector{SongList("ALPHA", 1)});
    Form().SelectPlayList(Form().FindPlayListInfo("ALPHA"));
    Form().PlaylistListBox->SetItemIndex(2);
    Form().ToolBoxShowSearch();
    Form().mp3ListView->Columns()[2].SetWidth(140);
    CloseByUser();
    EXPECT_EQ(Folder().Read("options.opt"), "1\r\n0\r\n1\r\n0\r\n35\r\n250\r\n140\r\n100\r\n50\r\n80\r\n250\r\n0\r\n");

    Restart();
    StartAndLoad();
    EXPECT_EQ(Form().Model.GetSelected()->GetName(), "ALPHA");
    EXPECT_EQ(Form().PlaylistListBox->ItemIndex(), 0);
    EXPECT_EQ(Form().ToolBoxState, 0);
    EXPECT_EQ(Form().mp3ListView->Columns()[2].Width(), 140);
    Form().LoadSources(std::vector{SongList("Blues", 1)});
    Form().SelectSource(1);
    CloseByUser();
    Restart();
    StartAndLoad();
    EXPECT_EQ(Form().Model.GetSelected()->GetName(), "Blues");
}

// Each case starts from the play list Alpha shown; "" stands for nothing shown.
TEST_F(OptionsWithLists, ShowTheListTheyNameAndNoOther)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"0 1 0 0\n", "Jazz"},  {"0 1 1 3\n", "Delta"}, {"0 1 0 1\n", "Alpha"},
        {"0 1 2 0\n", ""},      {"0 1 7 0\n", "Alpha"}, {"0 1 0 -1\n", "Alpha"},
    };
    StartAndLoad();
    for (const auto& [lines, shown] : cases) {
        Form().SelectPlayList(0);
        Folder().Write("options.opt", lines + WidthLines);
        Form().LoadOptions();
        const bool nothing = Form().Model.GetMode() == VT::Manager::NothingShown;
        EXPECT_EQ(nothing ? "" : Form().Model.GetSelected()->GetName(), shown) << lines;
    }
}

} // namespace
