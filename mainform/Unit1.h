#pragma once

// Unit1: TAppForm, the main window, and the view state it shares between its parts.

#include "catalogue/Catalogue.h"
#include "framework/TAction.h"
#include "framework/TActionList.h"
#include "framework/TCheckBox.h"
#include "framework/TComboBox.h"
#include "framework/TEdit.h"
#include "framework/TForm.h"
#include "framework/TGroupBox.h"
#include "framework/TImage.h"
#include "framework/TLabel.h"
#include "framework/TListBox.h"
#include "framework/TListView.h"
#include "framework/TMainMenu.h"
#include "framework/TPanel.h"
#include "framework/TPopupMenu.h"
#include "framework/TSpeedButton.h"
#include "framework/TStaticText.h"
#include "framework/TTimer.h"
#include "mainform/CommandRules.h"
#include "mainform/FilterValues.h"
#include "mainform/ListInfo.h"
#include "mainform/LoadProgressReports.h"
#include "mainform/OptionsFile.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// View state of the main window that the song view, the panes and the drag share.
struct ListViewVars {
    std::int32_t FlashPhase = 0;
    std::int32_t FlashRow = 0;
    std::string ClickedSongPath;
    // For title, artist, year, genre, album, file name and folder: the song-view
    // sub-item that shows it.
    std::array<std::int32_t, 7> ColumnMap{0, 1, 3, 4, 2, 5, 6};
    // The folder of the executable, ending in the separator.
    std::string ProgramFolder;
    std::int32_t ScrollDirection = 0;
    std::string LastAddToName;
};

// The main window: the song view, the two list panes, the search box and the tool box.
// Its routines are split by concern over the mainform folder.
class TAppForm : public TForm {
public:
    TAppForm();
    ~TAppForm() override;

    // ---- Lifecycle (Lifecycle.cpp)
    void FormActivate();
    void FormClose(TCloseAction& action);
    // Two steps of the start-up load, each run on the main thread as one step. The load
    // worker has already read the list files (VT::Manager::ReadSourceFiles and
    // ReadPlayListFiles); nothing stands for a program folder that could not be listed.
    void LoadSources(std::optional<std::vector<VT::PlayList>> read);
    void LoadPlayLists(std::optional<std::vector<VT::PlayList>> read);
    // Both return the lists that could not be saved.
    std::vector<VT::ListPtr> SavePlayLists();
    std::vector<VT::ListPtr> SaveSources();
    // Points the window at a program folder other than the executable's (tests do); the
    // first activation then keeps it.
    void UseProgramFolder(std::string folder);

    // ---- Options file (Options.cpp)
    void SaveOptions();
    void LoadOptions();

    // ---- Tool box and pane layout (ToolBox.cpp)
    void LayoutToolBox();
    void LayoutViewPanel();
    void FormResize();
    void ToolBoxShowSearch();
    void ToolBoxHideAll();
    void ToolBoxAnimateTimer();
    void ShowSearchBoxActionExecute();
    void ShowQuickHelpActionExecute();
    void HideAllActionExecute();

    // ---- Beginner help and its bubble (BeginnerHelp.cpp)
    void StartBeginnerHelp();
    void StopBeginnerHelp();
    // `step` is the number of the step whose command has just run.
    void AdvanceHelpStep(std::int32_t step);
    void HelpTimerTimer();
    void StepOnePanelClick();
    void StepTwoPanelClick();
    void StepThreePanelClick();
    void StepFourPanelClick();
    void Image2Click();
    void Image3Click();
    void Image4Click();
    void HideHelpBubble();
    void ShowHelpBubble(int x, int y, const std::string& text);

    // ---- Commands, menus and popups (Actions.cpp)
    static constexpr const char* FindMusicHint =
        "Click here to find music on your computer. Your song list will be added in the box below (Ctrl + F)";
    static constexpr const char* PlayHint = "Play the selected songs or play list";
    static constexpr const char* CreateFolderHint = "Create a folder on your computer containing the songs in the play list";
    void FindActionExecute();
    void AddToLastActionUpdate();
    void Mp3PopupMenuPopup();
    void AddSongToMenuPopup();
    void CopyToItemsClick(TMenuItem& sender);
    void AddSongButton1Click();
    void AddToActionExecute();
    // A song view row is selected; the placeholder row never counts.
    bool SongsSelected() const;
    // Songs are selected and there is a play list to add them to.
    bool CanAddSelection() const;

    // ---- List panes (ListPanes.cpp)
    std::string ListEntryText(VT::ListPtr list) const;
    // The source's record and its pane entry, together, so that the two stay in step.
    void AppendSource(VT::ListPtr source);
    std::int32_t AddPlayListEntry(VT::ListPtr playList);
    // The record and its row, unsorted: for adding many lists, then sorting them once.
    void AppendPlayListEntry(const VT::ListPtr& playList);
    void UpdatePlayListEntry(std::int32_t row);
    void SortPlayLists();
    std::int32_t FindPlayListInfo(const std::string& name) const;
    std::string MakeUniqueListName(const std::string& requested) const;
    bool IsPlayListIndex(std::int32_t row) const;
    void SelectSource(std::int32_t row);
    void SelectPlayList(std::int32_t row);
    void ShowNoSelection();
    void UpdateListArrow();
    void PlaceArrow(std::int32_t row, TListBox& box);
    void HideArrowPanel();
    // The row of the shown list in the pane of its kind, found by its handle; -1 when
    // nothing is shown.
    std::int32_t ShownRow() const;
    void PlaylistListBoxDrawItem(TListBox& box, int index, const TRect& rect, TOwnerDrawState state);
    void SourceListBoxMouseMove(TShiftState shift, int x, int y);
    void PlaylistListBoxMouseMove(TShiftState shift, int x, int y);
    void SourceListBoxMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    void PlaylistListBoxMouseUp(TMouseButton button, TShiftState shift, int x, int y);

    // ---- Song view (SongView.cpp)
    // The rows are the songs of `songs` at `positions`, or all of them when none are given.
    void ShowSongs(std::shared_ptr<const VT::PlayList> songs, std::vector<std::size_t> positions = {});
    std::size_t ShownRowCount() const;
    // The place in the shown list of the song a row shows.
    std::size_t ShownPosition(std::size_t row) const;
    const VT::Song& ShownSong(std::size_t row) const;
    void ShowPlaceholderRow(const std::string& text);
    void UpdateStatusLine();
    void SetPlayListLook();
    void SetSourceLook();
    void UpdateButtons();
    // True while the view shows one of the rows "(No Songs)" or "(No Songs Found)",
    // which stand for no song and are never taken as one.
    bool ShowsPlaceholder() const { return showsPlaceholder_; }
    void mp3ListViewData(TListItem& item);
    void mp3ListViewColumnClick(int column);
    void mp3ListViewSelectItem(int row, bool selected);
    void mp3ListViewMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // The song of a view row, rebuilt from the row's texts.
    VT::Song SongFromItem(int row) const;
    // The songs of the selected rows, top to bottom, in place of the list's songs.
    void GetSelectedSongs(VT::PlayList& list) const;

    // ---- Search (Search.cpp)
    void RefreshSongView();
    void CancelSearchActionExecute();
    void SearchWithinTextActionExecute();
    void TitleEditChange();
    void ArtistEditChange();
    void YearEdit1Change();
    void GenreEdit1Change();
    void SearchWithinCheckBoxClick();
    void TitleEditClick();
    void ArtistEditClick();
    void YearEdit1Click();
    void GenreEdit1Click();
    void TitleEditKeyDown(TKey& key, TShiftState shift);
    void ArtistEditKeyDown(TKey& key, TShiftState shift);
    void YearEdit1KeyDown(TKey& key, TShiftState shift);
    void GenreEdit1KeyDown(TKey& key, TShiftState shift);
    void YearEditSelect();
    void GenreEditSelect();

    // ---- Adding a source folder (AddSource.cpp)
    void AddSourceClick();
    void AddSource();
    void ShowLoadProgress(const std::string& folder);
    void HideLoadProgress();
    // On the add-source worker: scans the folder (ending in its separator) and adds the
    // source; every step on the model or a control is handed to the main thread.
    void AddLoadedSource(const std::string& folder);
    // The scan's progress callback, on the worker; true when the scan is to stop.
    bool ReportLoadProgress(const std::string& name, std::int32_t done, std::int32_t total);

    // ---- Selection, clipboard and play-list commands (Clipboard.cpp, PlayListCommands.cpp)
    void CopySelectedSongs();
    void PasteSongs();
    void Cut1Click();
    void CopyActionExecute();
    void PasteActionExecute();
    void DeleteSelectionActionExecute();
    void SelectAllActionExecute();
    void AddToNewPlaylistActionExecute();
    void RenameActionExecute();
    void DeletePlaylistActionExecute();
    // Where in the shown list the selected rows' songs stand, top to bottom.
    std::vector<std::size_t> SelectedPositions() const;
    void ShowNewPlayListDialog(bool addSelection);
    void AddListButtonClick();
    void CreatePlaylistActionExecute();
    // Returns the new list's row.
    std::int32_t CreatePlayList(const std::string& name);
    void AddSelectedToPlayList(std::int32_t row);
    void DragSelectTimer();
    void AddToLastActionExecute();
    void RenamePlayList(const std::string& name);
    void DeletePlayList(std::int32_t row);
    void DeleteSource(std::int32_t row);
    void CloseFolderActionExecute();
    void PlaylistListBoxKeyUp(TKey& key, TShiftState shift);
    void SourceListBoxKeyUp(TKey& key, TShiftState shift);
    void DeleteSelectedSongs();
    void mp3ListViewKeyDown(TKey& key, TShiftState shift);
    void Undo();
    void Redo();
    void UndoActionExecute();
    void RedoActionExecute();
    // The list that last received songs, the one the Add to last caption names; it
    // refers to no list once that list is gone.
    VT::ListPtr LastAddToList;
    // The play list the user last highlighted in its pane, by a click or a key; a row
    // the flash highlights is not the user's choice.
    VT::ListPtr PickedPlayList;

    // ---- Auto List (AutoList.cpp)
    void AutoListActionExecute();
    // Adds the built list under a name no other play list has; returns its row.
    std::int32_t CreateAutoList(VT::PlayList list);

    // ---- Play, M3U commands and help (Play.cpp, M3UCommands.cpp, HelpCommands.cpp)
    void PlayActionExecute();
    void PlayClick();
    void mp3ListViewDblClick();
    // Hands the file to the desktop's program for it, minimised.
    void OpenWithShell(const std::string& fileName);
    void ImportActionExecute();
    void ExportActionExecute();
    void HelpActionExecute();
    void FAQActionExecute();
    void UsersManualActionExecute();
    void AboutActionExecute();
    void Image5Click();
    void OpenHomePage();

    // ---- Create Folder (CreateFolder.cpp)
    void CreateFolderActionExecute();
    void OpenCreateFolderForm();

    // ---- Dragging songs and desktop drops (Dragging.cpp, ShellDrop.cpp)
    void PlaylistListBoxDragOver(TControl& source, int x, int y, TDragState state, bool& accept);
    void PlaylistListBoxDragDrop(TControl& source, int x, int y);
    void PlayListPanelDragOver(TControl& source, int x, int y, TDragState state, bool& accept);
    void mp3ViewPanelDragOver(TControl& source, int x, int y, TDragState state, bool& accept);
    void FormDragOver(TControl& source, int x, int y, TDragState state, bool& accept);
    void mp3ListViewDragOver(TControl& source, int x, int y, TDragState state, bool& accept);
    void mp3ListViewDragDrop(TControl& source, int x, int y);
    void mp3ListViewEndDrag(TControl* target, int x, int y);
    void ScrollViewTimerTimer();
    // The selected songs of the shown play list go before the target row's song when
    // dragged upward, after it when dragged downward.
    void MoveSelectedSongs(std::int32_t targetRow);
    TTimer* ScrollViewTimer = nullptr;
    // The first file dropped from the desktop, when it is a song, goes to the end of the
    // shown play list.
    void WMDropFiles(const std::vector<std::string>& files);

    // ---- Data (declaration order of the window's own fields)
    bool FirstActivation = true;
    ListViewVars ViewVars;
    VT::FilterValues SearchState;
    bool HelpRunning = false;
    std::int32_t HelpStep = 1;
    bool HelpBlinkOn = true;
    float PaneRatio = 0.45f;
    VT::Manager Model;
    std::vector<ListInfo> SourceInfos;
    std::vector<ListInfo> PlayListInfos;
    VT::PlayList Scratch;
    VT::PlayList Clipboard;
    // The list the song view shows, shared with the model, so that neither showing a
    // large list nor searching it copies a song.
    std::shared_ptr<const VT::PlayList> ShownSongs = std::make_shared<VT::PlayList>();
    // For a search result, the position in ShownSongs of each row's song; empty while
    // the view shows the whole list, row i then being song i.
    std::vector<std::size_t> ShownPositions;
    std::uint8_t PrevToolBoxState = 0;
    std::uint8_t ToolBoxState = 1;
    std::int32_t SlideStep = 8;
    // The sort of the song view, one pair for the whole run.
    std::int32_t LastSortColumn = 0;
    std::int32_t SortDirection = 1;

    // ---- Controls (AppFormControls.cpp builds them)
    TPanel* SourcePanel = nullptr;
    TLabel* SourceLabel = nullptr;
    TListBox* SourceListBox = nullptr;
    TPanel* PlayListPanel = nullptr;
    TLabel* PlayListLabel = nullptr;
    TListBox* PlaylistListBox = nullptr;
    TSpeedButton* AddSourceButton = nullptr;
    TImage* Logo = nullptr;
    TSpeedButton* AddListButton = nullptr;
    TSpeedButton* AddSongButton = nullptr;
    TSpeedButton* CreateFolderButton = nullptr;
    TSpeedButton* Play = nullptr;
    TImage* Image5 = nullptr;
    TPanel* ArrowPanel = nullptr;
    TImage* Image1 = nullptr;

    TPanel* mp3ViewPanel = nullptr;
    TLabel* CurrentListLabel = nullptr;
    TListView* mp3ListView = nullptr;

    TGroupBox* SearchGroupBox = nullptr;
    TEdit* TitleEdit = nullptr;
    TEdit* ArtistEdit = nullptr;
    TComboBox* YearEdit = nullptr;
    TComboBox* GenreEdit = nullptr;
    TCheckBox* SearchWithinCheckBox = nullptr;
    TImage* SFSGrey = nullptr;
    TImage* SFSGreen = nullptr;
    TImage* SFSBrown = nullptr;
    TSpeedButton* ClearAll = nullptr;
    TSpeedButton* ClearAllGreen = nullptr;
    TSpeedButton* ClearAllBrown = nullptr;
    TSpeedButton* LogicSearchGrey = nullptr;
    TSpeedButton* LogicSearchGreen = nullptr;
    TSpeedButton* LogicSearchBrown = nullptr;

    TPanel* QuickHelpPanel = nullptr;
    TPanel* StepOnePanel = nullptr;
    TPanel* StepTwoPanel = nullptr;
    TPanel* StepThreePanel = nullptr;
    TPanel* StepFourPanel = nullptr;
    TLabel* HelpStep1 = nullptr;
    TLabel* HelpStep2 = nullptr;
    TLabel* HelpStep3 = nullptr;
    TLabel* HelpStep4 = nullptr;
    TImage* Image2 = nullptr;
    TImage* Image3 = nullptr;
    TImage* Image4 = nullptr;
    TStaticText* StaticText1 = nullptr;
    TStaticText* StaticText2 = nullptr;
    TStaticText* StaticText3 = nullptr;
    TStaticText* StaticText4 = nullptr;
    TPanel* HelpArrow = nullptr;
    TImage* Arrow = nullptr;
    TStaticText* HelpArrowMessage = nullptr;

    TTimer* HelpTimer = nullptr;
    TTimer* ToolBoxAnimate = nullptr;
    TTimer* DragSelect = nullptr;

    TActionList* Actions = nullptr;
    TAction* FindAction = nullptr;
    TAction* CloseFolderAction = nullptr;
    TAction* CreatePlaylistAction = nullptr;
    TAction* RenameAction = nullptr;
    TAction* DeletePlaylistAction = nullptr;
    TAction* ImportAction = nullptr;
    TAction* ExportAction = nullptr;
    TAction* CreateFolderAction = nullptr;
    TAction* PlayAction = nullptr;
    TAction* AddToAction = nullptr;
    TAction* UndoAction = nullptr;
    TAction* RedoAction = nullptr;
    TAction* AddToLastAction = nullptr;
    TAction* AddToNewPlaylistAction = nullptr;
    TAction* CutAction = nullptr;
    TAction* CopyAction = nullptr;
    TAction* PasteAction = nullptr;
    TAction* DeleteSelectionAction = nullptr;
    TAction* SelectAllAction = nullptr;
    TAction* CancelSearchAction = nullptr;
    TAction* SearchWithinTextAction = nullptr;
    TAction* AutoListAction = nullptr;
    TAction* ShowSearchBoxAction = nullptr;
    TAction* ShowQuickHelpAction = nullptr;
    TAction* HideAllAction = nullptr;
    TAction* HelpAction = nullptr;
    TAction* FAQAction = nullptr;
    TAction* UsersManualAction = nullptr;
    TAction* AboutAction = nullptr;
    TMainMenu* MainMenu = nullptr;
    TPopupMenu* Mp3PopupMenu = nullptr;
    TMenuItem* AddToPlaylist1 = nullptr;
    TPopupMenu* PlaylistPopupMenu = nullptr;
    TPopupMenu* SourcePopupMenu = nullptr;
    TPopupMenu* SearchBoxMenu = nullptr;
    TPopupMenu* QHelpMenu = nullptr;
    TPopupMenu* AddSongToMenu = nullptr;

private:
    void BuildListPanes();
    void BuildSongView();
    void BuildSearchBox();
    void BuildQuickHelp();

    bool showsPlaceholder_ = false;

    // ---- Controls, private (AppFormControls.cpp)
    void BuildStepPanels();
    void BuildHelpBubble();
    void BuildTimers();
    void HookEvents();

    // ---- Lifecycle, private (Lifecycle.cpp)
    bool programFolderGiven_ = false;

    // ---- Adding a source folder, private (AddSource.cpp)
    LoadProgressReports loadReports_{[this](const LoadProgressReports::Report& report) { ShowLoadReport(report); }};
    void ShowLoadReport(const LoadProgressReports::Report& report);

    // ---- Options file, private (Options.cpp)
    WindowOptions CurrentOptions() const;
    void ShowStoredList(std::uint8_t kind, std::int32_t row);
    // Until the load has read "options.opt", closing leaves the file as it is: the window
    // would only write its first-run settings over the ones the user left.
    bool optionsRead_ = false;

    // ---- Tool box, private (ToolBox.cpp)
    void QuickHelpButtonDown();
    void QuickHelpButtonUp();
    void PlaceToolBox(int top, int viewHeight);
    void ChangeToolBoxState(std::uint8_t state);
    void ToggleToolBox(std::uint8_t state);
    void HookToolBoxEvents();
    bool SlideUp(TControl& panel);
    void SlideDown();
    void SwapToolBox(TControl& front);

    // ---- Beginner help, private (BeginnerHelp.cpp)
    void HookBeginnerHelpEvents();
    void GoToHelpStep(std::int32_t step);
    void ColourHelpSteps(std::int32_t lit, bool labelRed);

    // ---- Commands, private (Actions.cpp)
    void BuildActions();
    void BuildMenus();
    CommandState CurrentCommandState() const;
    void FillAddToItems(TMenuItem& menu);

    // ---- List panes, private (ListPanes.cpp)
    enum class Pane { Sources, PlayLists };
    TListBox& PaneBox(Pane pane) const;
    std::vector<ListInfo>& PaneInfos(Pane pane);
    void ShowList(Pane pane, std::int32_t row);
    void SaveSearchStateOfShownList();
    void ShowPaneHint(Pane pane, int x, int y);
    void PaneMouseUp(Pane pane, int x, int y);
    std::int32_t PlayListRow(const VT::ListPtr& playList) const;
    // Folds only A to Z, so that the pane's order does not hang on the locale.
    static std::string LowerCaseName(const std::string& name);

    // ---- Song view, private (SongView.cpp)
    enum class Look { PlayList, Source, Nothing };
    void ApplyLook(Look look);
    void ApplyListLook(Look look);
    void SortShownList(std::uint8_t field);

    // ---- Help, private (HelpCommands.cpp)
    // Opens a document of the program's folder through the shell, or says it is missing.
    void OpenDocument(const std::string& name);

    // ---- Selection, clipboard and play-list commands, private (Clipboard.cpp, PlayListCommands.cpp)
    std::int32_t PlayListToDelete() const;
    void RestoreHistory(void (VT::Manager::*step)());
    void RebuildPlayListPane(const std::vector<VT::ListPtr>& lists);
    // True when the rows stand on these lists, one each, under the names they have now,
    // and no two names are equal but for letter case: sorting them afresh from the
    // lists would give the same rows in the same order.
    bool RowsStandInOrderOn(const std::vector<VT::ListPtr>& lists) const;
    void FollowLastAddTo(std::size_t position, const std::vector<VT::ListPtr>& lists);
    void DeleteList(Pane pane, std::int32_t row);
    void ForgetDeletedPlayList(const VT::ListPtr& list);
    void ClearLastAddTo();

    // ---- Search, private (Search.cpp)
    // What a search box shows while it holds no criterion; the form is built with them.
    static constexpr const char* AllTitles = "all titles";
    static constexpr const char* AllArtists = "all artists";
    static constexpr const char* AllYears = "all years";
    static constexpr const char* AllGenres = "all genres";
    std::vector<VT::Filter::Criteria> SearchCriteria();
    std::string YearCriterion();
    void ShowSearchResult(std::vector<VT::Filter::Criteria> criteria);
};

extern TAppForm* AppForm;
