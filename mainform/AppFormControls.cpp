#include "mainform/Unit1.h"

#include "framework/ControlBuilding.h"
#include "framework/PictureButton.h"
#include "mainform/GenreList.h"
#include "mainform/WindowColors.h"
#include "mainform/YearList.h"

#include <array>
#include <functional>
#include <string>

TAppForm* AppForm = nullptr;

namespace {

// The place every control is laid out in; the window then opens at its own size and the
// anchored controls follow.
constexpr int DesignWidth = 792;
constexpr int DesignHeight = 544;
// Both reach past the design's right edge, by as much as the window was laid out with;
// their right anchors keep that overhang at every size.
constexpr int ViewPanelWidth = 614;
constexpr int ToolBoxWidth = 611;

constexpr TAnchors AllSides = akLeft | akTop | akRight | akBottom;

const char* const FormFont = "MS Sans Serif";

void SetFont(TControl& control, int height, bool bold = false)
{
    control.Font().SetName(FormFont);
    control.Font().SetHeight(height);
    control.Font().SetBold(bold);
}

template <class T>
T* Place(TControl& parent, int left, int top, int width, int height)
{
    T& control = Make<T>(parent);
    control.SetBounds(left, top, width, height);
    return &control;
}

// The window's labels let the colour of what they stand on show through.
TLabel* MakeSeeThroughLabel(TControl& parent, int left, int top, const std::string& caption)
{
    TLabel& label = MakeLabel(parent, left, top, caption);
    label.SetTransparent(true);
    return &label;
}

TImage* MakePicture(TControl& parent, const TRect& at, const std::string& picture)
{
    TImage* image = Place<TImage>(parent, at.Left, at.Top, at.Width(), at.Height());
    image->LoadPicture(picture);
    return image;
}

// The handlers of the main window's buttons are hooked where the form's events are.
TSpeedButton* MakeButton(TControl& parent, const TRect& at, const std::string& picture, const std::string& hint)
{
    TSpeedButton& button = MakePictureButton(parent, picture, at, {});
    if (!hint.empty())
        ShowHintOf(button, hint);
    return &button;
}

TListBox* MakeListBox(TControl& parent, const TRect& at, TColor color)
{
    TListBox* box = Place<TListBox>(parent, at.Left, at.Top, at.Width(), at.Height());
    box->SetAnchors(AllSides);
    box->SetItemHeight(22);
    box->SetColor(color);
    box->SetShowHint(true);
    SetFont(*box, -13);
    return box;
}

struct ColumnLayout {
    const char* caption;
    int width;
    int minWidth;
    int maxWidth;
};

// The song view's columns: the row number, the five tag texts, the file name and the
// folder, which stays unseen and lets a song be rebuilt from its row.
constexpr std::array<ColumnLayout, 8> SongColumns{{
    {"", 35, 35, 80},
    {"Song Title", 250, 50, 0},
    {"Artist", 125, 0, 0},
    {"Album", 100, 0, 0},
    {"Year", 50, 0, 0},
    {"Genre", 80, 0, 0},
    {"File", 250, 0, 0},
    {"Path", 0, 0, 1},
}};

} // namespace

TAppForm::TAppForm()
{
    SetCaption("Vesk Tunelo");
    SetPosition(poScreenCenter);
    SetClientWidth(DesignWidth);
    SetClientHeight(DesignHeight);
    BuildListPanes();
    BuildSongView();
    BuildSearchBox();
    BuildQuickHelp();
    BuildHelpBubble();
    BuildTimers();
    SetBounds(Left(), Top(), 800, 600);
    SetMinWidth(800);
    SetMinHeight(600);
    SetAcceptFiles(true);
    HookEvents();
    HookToolBoxEvents();
    HookBeginnerHelpEvents();
    BuildActions();
}

TAppForm::~TAppForm() = default;

void TAppForm::BuildListPanes()
{
    SourcePanel = Place<TPanel>(*this, 0, 1, 182, 242);
    SourcePanel->SetColor(SourceColor);
    SourcePanel->SetBevelOuter(bvNone);
    SourceLabel = MakeSeeThroughLabel(*SourcePanel, 6, 4, "Your Music");
    SetFont(*SourceLabel, -13, true);
    SourceListBox = MakeListBox(*SourcePanel, TRect{4, 24, 178, 202}, SourceBoxColor);
    AddSourceButton = MakeButton(*SourcePanel, TRect{4, 204, 40, 240}, ":/stepfind.jpg", FindMusicHint);
    AddSourceButton->SetAnchors(akLeft | akBottom);
    AddSourceButton->OnClick = [this] { AddSourceClick(); };
    Logo = MakePicture(*SourcePanel, TRect{44, 204, 178, 240}, ":/logo.jpg");
    Logo->SetAnchors(akLeft | akBottom);
    Logo->SetCursor(crHandPoint);
    ShowHintOf(*Logo, "About");

    PlayListPanel = Place<TPanel>(*this, 0, 245, 182, 299);
    PlayListPanel->SetAnchors(akLeft | akBottom);
    PlayListPanel->SetColor(PlayListColor);
    PlayListPanel->SetBevelOuter(bvNone);
    PlayListLabel = MakeSeeThroughLabel(*PlayListPanel, 6, 4, "Play Lists");
    SetFont(*PlayListLabel, -13, true);
    PlaylistListBox = MakeListBox(*PlayListPanel, TRect{4, 24, 178, 232}, PlayListBoxColor);
    AddListButton = MakeButton(*PlayListPanel, TRect{4, 236, 60, 264}, ":/newlist.jpg",
                               "Create an empty play list. The play list will be added in the box below (Ctrl + A)");
    AddSongButton = MakeButton(*PlayListPanel, TRect{63, 236, 119, 264}, ":/addsong.jpg",
                               "Select a play list to add the selected songs to (Ctrl + T)");
    CreateFolderButton = MakeButton(*PlayListPanel, TRect{122, 236, 178, 264}, ":/createfolder.jpg", CreateFolderHint);
    Play = MakeButton(*PlayListPanel, TRect{4, 267, 60, 295}, ":/play.jpg", PlayHint);
    for (TSpeedButton* button : {AddSongButton, CreateFolderButton, Play})
        button->SetEnabled(false);
    for (TControl* control : std::initializer_list<TControl*>{AddListButton, AddSongButton, CreateFolderButton, Play})
        control->SetAnchors(akLeft | akBottom);
    Image5 = MakePicture(*PlayListPanel, TRect{63, 267, 178, 295}, ":/website.jpg");
    Image5->SetAnchors(akLeft | akBottom);
    Image5->SetCursor(crHandPoint);
    ShowHintOf(*Image5, "Click here to visit the Vesk Tunelo web site");

    ArrowPanel = Place<TPanel>(*this, 170, 0, 12, 22);
    ArrowPanel->SetBevelOuter(bvNone);
    ArrowPanel->SetBorderStyle(bsNone);
    ArrowPanel->SetColor(ArrowColor);
    Image1 = MakePicture(*ArrowPanel, TRect{0, 0, 12, 22}, ":/listarrow.jpg");
    ArrowPanel->Hide();
}

void TAppForm::BuildSongView()
{
    mp3ViewPanel = Place<TPanel>(*this, 184, 1, ViewPanelWidth, 472);
    mp3ViewPanel->SetAnchors(AllSides);
    mp3ViewPanel->SetBevelOuter(bvNone);
    mp3ViewPanel->SetColor(ViewPanelColor);

    CurrentListLabel = Place<TLabel>(*mp3ViewPanel, 0, 0, mp3ViewPanel->Width(), 20);
    CurrentListLabel->SetAutoSize(false);
    CurrentListLabel->SetAnchors(akLeft | akTop | akRight);
    SetFont(*CurrentListLabel, -13, true);
    CurrentListLabel->SetCaption("(none)");
    ShowHintOf(*CurrentListLabel, "Displays name of list that you are viewing");

    mp3ListView = Place<TListView>(*mp3ViewPanel, 0, 21, mp3ViewPanel->Width(), mp3ViewPanel->Height() - 21);
    mp3ListView->SetAnchors(AllSides);
    mp3ListView->SetMultiSelect(true);
    mp3ListView->SetGridLines(true);
    mp3ListView->SetHotTrackStyles(THotTrackStyles{.HandPoint = true, .UnderlineHot = true});
    mp3ListView->SetCursor(crCross);
    SetFont(*mp3ListView, -11);
    for (const ColumnLayout& layout : SongColumns) {
        TListColumn& column = mp3ListView->Columns().Add();
        column.SetCaption(layout.caption);
        column.SetMinWidth(layout.minWidth);
        column.SetMaxWidth(layout.maxWidth);
        column.SetWidth(layout.width);
    }
    mp3ListView->SetDragMode(dmAutomatic);
    mp3ListView->SetEnabled(false);
}

void TAppForm::BuildSearchBox()
{
    SearchGroupBox = Place<TGroupBox>(*this, 184, 475, ToolBoxWidth, 71);
    SearchGroupBox->SetAnchors(akLeft | akRight | akBottom);
    SearchGroupBox->SetCaption("Search");

    SFSGrey = MakePicture(*SearchGroupBox, TRect{6, 18, 54, 66}, ":/sfsgrey.jpg");
    SFSGreen = MakePicture(*SearchGroupBox, TRect{6, 18, 54, 66}, ":/sfsgreen.jpg");
    SFSBrown = MakePicture(*SearchGroupBox, TRect{6, 18, 54, 66}, ":/sfsbrown.jpg");

    MakeSeeThroughLabel(*SearchGroupBox, 60, 21, "Title:");
    TitleEdit = Place<TEdit>(*SearchGroupBox, 100, 18, 180, 21);
    TitleEdit->SetText(AllTitles);
    ShowHintOf(*TitleEdit, "Search by title");
    MakeSeeThroughLabel(*SearchGroupBox, 290, 21, "Artist:");
    ArtistEdit = Place<TEdit>(*SearchGroupBox, 334, 18, 150, 21);
    ArtistEdit->SetText(AllArtists);
    ShowHintOf(*ArtistEdit, "Search by artist");

    MakeSeeThroughLabel(*SearchGroupBox, 60, 47, "Year:");
    YearEdit = Place<TComboBox>(*SearchGroupBox, 100, 44, 180, 21);
    YearEdit->SetCharCase(ecLowerCase);
    YearEdit->Items().Add(AllYears);
    for (std::string& entry : DecadeEntries())
        YearEdit->Items().Add(std::move(entry));
    YearEdit->SetText(AllYears);
    ShowHintOf(*YearEdit, "Search by year");
    MakeSeeThroughLabel(*SearchGroupBox, 290, 47, "Genre:");
    GenreEdit = Place<TComboBox>(*SearchGroupBox, 334, 44, 150, 21);
    GenreEdit->Items().Add(AllGenres);
    for (std::string& name : SortedGenreNames())
        GenreEdit->Items().Add(std::move(name));
    GenreEdit->SetAutoComplete(true);
    GenreEdit->SetCharCase(ecLowerCase);
    GenreEdit->SetDropDownCount(20);
    GenreEdit->SetText(AllGenres);
    ShowHintOf(*GenreEdit, "Search by genre");

    SearchWithinCheckBox = Place<TCheckBox>(*SearchGroupBox, 494, 18, 70, 21);
    SearchWithinCheckBox->SetCaption("Within");
    ShowHintOf(*SearchWithinCheckBox, "Search within the text (Ctrl + W)");

    const std::string autoListHint = "Automatically create a playlist based on your criteria";
    ClearAll = MakeButton(*SearchGroupBox, TRect{494, 44, 546, 66}, ":/cleargrey.jpg", "");
    ClearAllGreen = MakeButton(*SearchGroupBox, TRect{494, 44, 546, 66}, ":/cleargreen.jpg", "");
    ClearAllBrown = MakeButton(*SearchGroupBox, TRect{494, 44, 546, 66}, ":/clearbrown.jpg", "");
    LogicSearchGrey = MakeButton(*SearchGroupBox, TRect{550, 44, 602, 66}, ":/autogrey.jpg", "");
    LogicSearchGreen = MakeButton(*SearchGroupBox, TRect{550, 44, 602, 66}, ":/autogreen.jpg", autoListHint);
    LogicSearchBrown = MakeButton(*SearchGroupBox, TRect{550, 44, 602, 66}, ":/autobrown.jpg", autoListHint);
}

void TAppForm::BuildQuickHelp()
{
    QuickHelpPanel = Place<TPanel>(*this, 184, 475, ToolBoxWidth, 71);
    QuickHelpPanel->SetAnchors(akLeft | akRight | akBottom);
    QuickHelpPanel->SetColor(QuickHelpColor);
    QuickHelpPanel->SetBevelOuter(bvNone);
    BuildStepPanels();
}

void TAppForm::BuildStepPanels()
{
    struct Step {
        TPanel*& panel;
        TLabel*& label;
        TImage** picture;
        const char* pictureFile;
        const char* pictureHint;
        TStaticText*& text;
        const char* textCaption;
    };
    const std::array<Step, 4> steps{{
        {StepOnePanel, HelpStep1, &Image2, ":/stepfind.jpg", "Click on this button to find your music", StaticText3,
         "Load song data by clicking on the Find Button"},
        {StepTwoPanel, HelpStep2, &Image3, ":/stepnewlist.jpg", "Click on this button to make a new play list",
         StaticText4, "Make a new play list by clicking on the Create button"},
        {StepThreePanel, HelpStep3, nullptr, nullptr, nullptr, StaticText1,
         "To build a play list, drag songs from song list over play list title."},
        {StepFourPanel, HelpStep4, &Image4, ":/stepplay.jpg", "Play the selected songs or play list", StaticText2,
         "To play a play list, click on play list title and click the Play Button"},
    }};
    int left = 3;
    for (std::size_t i = 0; i < steps.size(); ++i, left += 151) {
        const Step& step = steps[i];
        step.panel = Place<TPanel>(*QuickHelpPanel, left, 3, 148, 66);
        step.panel->SetColor(StepPanelColor);
        step.panel->SetBevelOuter(bvNone);
        step.label = MakeSeeThroughLabel(*step.panel, 4, 2, "Step " + std::to_string(i + 1));
        SetFont(*step.label, -16, true);
        const int textLeft = step.picture ? 44 : 4;
        if (step.picture) {
            *step.picture = MakePicture(*step.panel, TRect{4, 24, 40, 60}, step.pictureFile);
            ShowHintOf(**step.picture, step.pictureHint);
        }
        step.text = Place<TStaticText>(*step.panel, textLeft, 20, 146 - textLeft, 45);
        SetFont(*step.text, -9);
        step.text->SetTransparent(true);
        step.text->SetCaption(step.textCaption);
    }
}

void TAppForm::BuildHelpBubble()
{
    HelpArrow = Place<TPanel>(*this, 184, 56, 529, 57);
    HelpArrow->SetColor(HelpBubbleColor);
    Arrow = MakePicture(*HelpArrow, TRect{4, 4, 52, 52}, ":/helparrow.jpg");
    HelpArrowMessage = Place<TStaticText>(*HelpArrow, 58, 4, 467, 49);
    HelpArrowMessage->SetAnchors(AllSides);
    HelpArrowMessage->Font().SetColor(HelpBubbleTextColor);
    SetFont(*HelpArrowMessage, -16, true);
    HelpArrowMessage->SetTransparent(true);
    HelpArrow->Hide();
}

void TAppForm::BuildTimers()
{
    HelpTimer = &Make<TTimer>(*this);
    HelpTimer->SetEnabled(false);
    HelpTimer->SetInterval(500);
    ToolBoxAnimate = &Make<TTimer>(*this);
    ToolBoxAnimate->SetEnabled(false);
    ToolBoxAnimate->SetInterval(20);
    DragSelect = &Make<TTimer>(*this);
    DragSelect->SetEnabled(false);
    DragSelect->SetInterval(125);
    ScrollViewTimer = &Make<TTimer>(*this);
    ScrollViewTimer->SetEnabled(false);
    ScrollViewTimer->SetInterval(25);
}

void TAppForm::HookEvents()
{
    OnActivate = [this] { FormActivate(); };
    OnClose = [this](TCloseAction& action) { FormClose(action); };
    OnResize = [this] { FormResize(); };
    OnFilesDropped = [this](const std::vector<std::string>& files) { WMDropFiles(files); };

    SourceListBox->OnDrawItem = [this](int index, const TRect& rect, TOwnerDrawState state) {
        PlaylistListBoxDrawItem(*SourceListBox, index, rect, state);
    };
    PlaylistListBox->OnDrawItem = [this](int index, const TRect& rect, TOwnerDrawState state) {
        PlaylistListBoxDrawItem(*PlaylistListBox, index, rect, state);
    };
    SourceListBox->OnMouseMove = [this](TShiftState shift, int x, int y) { SourceListBoxMouseMove(shift, x, y); };
    PlaylistListBox->OnMouseMove = [this](TShiftState shift, int x, int y) { PlaylistListBoxMouseMove(shift, x, y); };
    SourceListBox->OnMouseUp = [this](TMouseButton button, TShiftState shift, int x, int y) {
        SourceListBoxMouseUp(button, shift, x, y);
    };
    PlaylistListBox->OnMouseUp = [this](TMouseButton button, TShiftState shift, int x, int y) {
        PlaylistListBoxMouseUp(button, shift, x, y);
    };

    SourceListBox->OnKeyUp = [this](TKey& key, TShiftState shift) { SourceListBoxKeyUp(key, shift); };
    PlaylistListBox->OnKeyUp = [this](TKey& key, TShiftState shift) { PlaylistListBoxKeyUp(key, shift); };
    // Delete in a pane is the pane's own, on release, never also Delete Selection.
    SourceListBox->SetOwnKeys({VK_DELETE});
    PlaylistListBox->SetOwnKeys({VK_DELETE});
    DragSelect->OnTimer = [this] { DragSelectTimer(); };

    mp3ListView->OnData = [this](TListItem& item) { mp3ListViewData(item); };
    mp3ListView->OnKeyDown = [this](TKey& key, TShiftState shift) { mp3ListViewKeyDown(key, shift); };
    mp3ListView->OnColumnClick = [this](int column) { mp3ListViewColumnClick(column); };
    mp3ListView->OnSelectItem = [this](int row, bool selected) { mp3ListViewSelectItem(row, selected); };
    mp3ListView->OnMouseUp = [this](TMouseButton button, TShiftState shift, int x, int y) {
        mp3ListViewMouseUp(button, shift, x, y);
    };
    mp3ListView->OnDblClick = [this] { mp3ListViewDblClick(); };

    using namespace std::placeholders;
    OnDragOver = std::bind(&TAppForm::FormDragOver, this, _1, _2, _3, _4, _5);
    PlayListPanel->OnDragOver = std::bind(&TAppForm::PlayListPanelDragOver, this, _1, _2, _3, _4, _5);
    mp3ViewPanel->OnDragOver = std::bind(&TAppForm::mp3ViewPanelDragOver, this, _1, _2, _3, _4, _5);
    PlaylistListBox->OnDragOver = std::bind(&TAppForm::PlaylistListBoxDragOver, this, _1, _2, _3, _4, _5);
    PlaylistListBox->OnDragDrop = std::bind(&TAppForm::PlaylistListBoxDragDrop, this, _1, _2, _3);
    mp3ListView->OnDragOver = std::bind(&TAppForm::mp3ListViewDragOver, this, _1, _2, _3, _4, _5);
    mp3ListView->OnDragDrop = std::bind(&TAppForm::mp3ListViewDragDrop, this, _1, _2, _3);
    mp3ListView->OnEndDrag = std::bind(&TAppForm::mp3ListViewEndDrag, this, _1, _2, _3);
    ScrollViewTimer->OnTimer = [this] { ScrollViewTimerTimer(); };

    TitleEdit->OnChange = [this] { TitleEditChange(); };
    TitleEdit->OnClick = [this] { TitleEditClick(); };
    TitleEdit->OnKeyDown = [this](TKey& key, TShiftState shift) { TitleEditKeyDown(key, shift); };
    ArtistEdit->OnChange = [this] { ArtistEditChange(); };
    ArtistEdit->OnClick = [this] { ArtistEditClick(); };
    ArtistEdit->OnKeyDown = [this](TKey& key, TShiftState shift) { ArtistEditKeyDown(key, shift); };
    YearEdit->OnChange = [this] { YearEdit1Change(); };
    YearEdit->OnClick = [this] { YearEdit1Click(); };
    YearEdit->OnKeyDown = [this](TKey& key, TShiftState shift) { YearEdit1KeyDown(key, shift); };
    YearEdit->OnSelect = [this] { YearEditSelect(); };
    GenreEdit->OnChange = [this] { GenreEdit1Change(); };
    GenreEdit->OnClick = [this] { GenreEdit1Click(); };
    GenreEdit->OnKeyDown = [this](TKey& key, TShiftState shift) { GenreEdit1KeyDown(key, shift); };
    GenreEdit->OnSelect = [this] { GenreEditSelect(); };
    SearchWithinCheckBox->OnClick = [this] { SearchWithinCheckBoxClick(); };
    for (TSpeedButton* clear : {ClearAll, ClearAllGreen, ClearAllBrown})
        clear->OnClick = [this] { CancelSearchActionExecute(); };
    AddListButton->OnClick = [this] { AddListButtonClick(); };
    CreateFolderButton->OnClick = [this] { CreateFolderActionExecute(); };
    for (TSpeedButton* autoList : {LogicSearchGreen, LogicSearchBrown})
        autoList->OnClick = [this] { AutoListActionExecute(); };
    AddSongButton->OnClick = [this] { AddSongButton1Click(); };
    Play->OnClick = [this] { PlayClick(); };
    Logo->OnClick = [this] { AboutActionExecute(); };
    Image5->OnClick = [this] { Image5Click(); };

    // The bubble and the step texts hide the bubble when clicked.
    for (TControl* hides : std::initializer_list<TControl*>{HelpArrow, Arrow, HelpArrowMessage, StaticText1,
                                                            StaticText2, StaticText3, StaticText4})
        hides->OnClick = [this] { HideHelpBubble(); };
}
