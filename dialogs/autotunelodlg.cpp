// autotunelodlg: TAutoTuneloDialog, the dialog that builds a play list from criteria.

#include "dialogs/autotunelodlg.h"

#include "dialogs/messagebox.h"
#include "dialogs/namelistform.h"
#include "framework/ControlBuilding.h"
#include "framework/PictureButton.h"

#include <algorithm>
#include <functional>
#include <utility>

TAutoTuneloDialog* AutoTuneloDialog = nullptr;

namespace {

constexpr int CriterionTextLength = 24;
constexpr int AllEntry = 1;
constexpr const char* MatchHint = "Songs must match any/all criteria to be included in the new play list.";
constexpr const char* NoCriteriaMessage =
    "There are no criteria created or checked. To create a criteria, use the \"create\" button after you have "
    "defined the criteria.";
constexpr const char* NoSongsMessage =
    "There were no songs found that match your criteria. Use different criteria or press cancel";

TListColumn& AddColumn(TListView& view, const std::string& caption, int width)
{
    TListColumn& column = view.Columns().Add();
    column.SetCaption(caption);
    column.SetWidth(width);
    return column;
}

TComboBox& MakeList(TControl& parent, const TRect& bounds, const std::vector<std::string>& entries,
                    std::function<void()> change)
{
    auto& box = Make<TComboBox>(parent);
    box.SetStyle(csDropDownList);
    box.SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    for (const std::string& entry : entries)
        box.Items().Add(entry);
    box.SetItemIndex(0);
    box.OnChange = std::move(change);
    return box;
}

} // namespace

TAutoTuneloDialog::TAutoTuneloDialog()
{
    SetBorderStyle(bsDialog);
    SetCaption("Automatically Create A Play List");
    SetPosition(poMainFormCenter);
    SetClientWidth(420);
    SetClientHeight(396);
    BuildNameGroup();
    BuildCriteriaGroup();
    BuildCriteriaList();
    BuildMatchLine();
    BuildButtons();
    OnShow = [this] { FormShow(); };
}

void TAutoTuneloDialog::BuildNameGroup()
{
    NameGroup = &Make<TGroupBox>(*this);
    NameGroup->SetBounds(8, 4, 404, 50);
    NameGroup->SetCaption(" 1. Name the play List ");
    NameLabel = &MakeLabel(*NameGroup, 10, 22, "Play List Name:");
    PlayListName = &Make<TEdit>(*NameGroup);
    PlayListName->SetBounds(104, 18, 200, 21);
    PlayListName->SetMaxLength(ListNameLength);
    ShowHintOf(*PlayListName, "Type the name of the play list to be created");
    SearchingInLabel = &MakeLabel(*this, 10, 62, "Searching in:");
    SearchingIn = &MakeLabel(*this, 92, 62, "");
}

void TAutoTuneloDialog::BuildCriteriaGroup()
{
    CriteriaGroup = &Make<TGroupBox>(*this);
    CriteriaGroup->SetBounds(8, 82, 404, 56);
    CriteriaGroup->SetCaption(" 2. Define the criteria ");
    Type = &MakeList(*CriteriaGroup, TRect{8, 22, 92, 43}, {"Title", "Artist", "Album", "Date ", "Genre", "File Name"},
                     [this] { TypeChange(); });
    ShowHintOf(*Type, "Choose what category you are searching in");
    Logic = &MakeList(*CriteriaGroup, TRect{98, 22, 216, 43},
                      {"Contains", "Does Not Contain", "Is", "Is Not", "Starts With", "Ends With"},
                      [this] { LogicChange(); });
    ShowHintOf(*Logic, "Choose how you want to search");
    Text = &Make<TEdit>(*CriteriaGroup);
    Text->SetBounds(222, 22, 120, 21);
    Text->SetMaxLength(CriterionTextLength);
    Text->OnChange = [this] { TextChange(); };
    Text->OnKeyUp = [this](TKey& key, TShiftState shift) { TextKeyUp(key, shift); };
    ShowHintOf(*Text, "Type here for what you are searching for");
    CreateCriteria =
        &MakePictureButton(*CriteriaGroup, ":/create.jpg", TRect{348, 18, 398, 46}, [this] { CreateCriteriaClick(); });
    ShowHintOf(*CreateCriteria, "Create the specified criteria");
}

void TAutoTuneloDialog::BuildCriteriaList()
{
    CriteriaList = &Make<TListView>(*this);
    CriteriaList->SetBounds(8, 146, 404, 170);
    CriteriaList->SetCheckboxes(true);
    CriteriaList->SetGridLines(true);
    CriteriaList->SetMultiSelect(true);
    CriteriaList->SetHideSelection(false);
    ShowHintOf(*CriteriaList,
           "Shows all criteria. Click on one to select and modify. Press delete key to delete selected criteria");
    const int boxWidth = 18;
    const int categoryWidth = 80;
    const int logicWidth = 75;
    AddColumn(*CriteriaList, "", boxWidth);
    AddColumn(*CriteriaList, "Category", categoryWidth);
    AddColumn(*CriteriaList, "Logic", logicWidth);
    AddColumn(*CriteriaList, "What you are searching for",
              CriteriaList->ClientWidth() - boxWidth - categoryWidth - logicWidth)
        .SetMinWidth(201);
    CriteriaList->OnData = [this](TListItem& item) { CriteriaListData(item); };
    CriteriaList->OnCheck = [this](int row, bool checked) { CriteriaListCheck(row, checked); };
    CriteriaList->OnSelectItem = [this](int row, bool selected) { CriteriaListSelectItem(row, selected); };
    CriteriaList->OnClick = [this] { CriteriaListClick(); };
    CriteriaList->OnKeyUp = [this](TKey& key, TShiftState shift) { CriteriaListKeyUp(key, shift); };
    CriteriaMenu = &Make<TPopupMenu>(*this);
    CriteriaMenu->AttachTo(*CriteriaList);
    DeleteCriteriaMenu = &CriteriaMenu->Items().Add("Delete Criteria");
    DeleteCriteriaMenu->OnClick = [this](TMenuItem&) { DeleteCriteriaMenuClick(); };
}

void TAutoTuneloDialog::BuildMatchLine()
{
    MatchLabel = &MakeLabel(*this, 10, 330, "Songs must match");
    LogicCheckCombo = &MakeList(*this, TRect{126, 326, 182, 347}, {"Any", "All"}, nullptr);
    CriteriaLabel = &MakeLabel(*this, 188, 330, "criteria.");
    for (TControl* control : std::initializer_list<TControl*>{MatchLabel, LogicCheckCombo, CriteriaLabel})
        ShowHintOf(*control, MatchHint);
}

void TAutoTuneloDialog::BuildButtons()
{
    Ok = &MakePictureButton(*this, ":/ok.jpg", TRect{8, 360, 83, 385}, [this] { OkClick(); });
    ShowHintOf(*Ok, "Create a new play list using the defined criteria");
    Cancel = &MakePictureButton(*this, ":/cancel.jpg", TRect{91, 360, 166, 385}, [this] { CancelClick(); });
    Clear = &MakePictureButton(*this, ":/cleargreen.jpg", TRect{337, 360, 412, 385}, [this] { ClearClick(); });
    ShowHintOf(*Clear, "Removes all criteria");
}

int TAutoTuneloDialog::Execute(VT::ListPtr list)
{
    SearchList = std::move(list);
    return ShowModal();
}

VT::Filter TAutoTuneloDialog::TickedFilter() const
{
    std::vector<VT::Filter::Criteria> ticked;
    for (std::size_t i = 0; i < Criteria.size(); ++i) {
        if (Ticks[i])
            ticked.push_back(Criteria[i]);
    }
    return VT::Filter(std::move(ticked));
}

bool TAutoTuneloDialog::AllMustMatch() const { return LogicCheckCombo->ItemIndex() == AllEntry; }

VT::PlayList TAutoTuneloDialog::BuildPlayList() const
{
    VT::PlayList built;
    TickedFilter().Apply(*SearchList, built, AllMustMatch());
    built.SetName(PlayListName->Text());
    return built;
}

VT::PlayList TAutoTuneloDialog::TakeBuiltPlayList()
{
    return std::exchange(built_, {});
}

std::string TAutoTuneloDialog::EntryText(TComboBox& box, std::uint8_t index)
{
    const int entry = EntryIndex(box, index);
    return entry < 0 ? std::string() : box.Items()[entry];
}

int TAutoTuneloDialog::EntryIndex(TComboBox& box, std::uint8_t index)
{
    return index < box.Items().Count() ? index : -1;
}

void TAutoTuneloDialog::ShowRowCount()
{
    CriteriaList->Items().SetCount(static_cast<int>(Criteria.size()));
    CriteriaList->Invalidate();
}

// A control that shows no choice stores 255, a number that names no field or operator.
void TAutoTuneloDialog::AddCriteria()
{
    Criteria.insert(Criteria.begin(), VT::Filter::Criteria(static_cast<std::uint8_t>(Type->ItemIndex()),
                                                           static_cast<std::uint8_t>(Logic->ItemIndex()),
                                                           Text->Text()));
    Ticks.insert(Ticks.begin(), true);
    CriteriaList->ClearSelection();
    ShowRowCount();
    Text->SetText("");
}

void TAutoTuneloDialog::UpdateSelectedCriteria()
{
    const std::vector<int> rows = CriteriaList->SelectedRows();
    if (rows.empty())
        return;
    const bool several = rows.size() > 1;
    for (const int row : rows) {
        VT::Filter::Criteria& criterion = Criteria[static_cast<std::size_t>(row)];
        // With several rows a control that shows nothing leaves that part as it was.
        const bool typeShown = !several || Type->ItemIndex() >= 0;
        const bool logicShown = !several || Logic->ItemIndex() >= 0;
        const bool textShown = !several || !Text->Text().empty();
        criterion = VT::Filter::Criteria(
            typeShown ? static_cast<std::uint8_t>(Type->ItemIndex()) : criterion.GetField(),
            logicShown ? static_cast<std::uint8_t>(Logic->ItemIndex()) : criterion.GetOperator(),
            textShown ? Text->Text() : criterion.GetText());
    }
    CriteriaList->Invalidate();
}

// Text comes last: the update its change sets off writes back the criterion shown.
void TAutoTuneloDialog::ShowSelectedCriteria()
{
    const std::vector<int> rows = CriteriaList->SelectedRows();
    if (rows.size() == 1) {
        const VT::Filter::Criteria& criterion = Criteria[static_cast<std::size_t>(rows.front())];
        Type->SetItemIndex(EntryIndex(*Type, criterion.GetField()));
        Logic->SetItemIndex(EntryIndex(*Logic, criterion.GetOperator()));
        Text->SetText(criterion.GetText());
        return;
    }
    // With several rows selected no choice shows, so that the next change of a control
    // applies to all of them.
    const int entry = rows.empty() ? 0 : -1;
    Type->SetItemIndex(entry);
    Logic->SetItemIndex(entry);
    Text->SetText("");
}

void TAutoTuneloDialog::DeleteSelectedCriteria()
{
    const std::vector<int> rows = CriteriaList->SelectedRows();
    if (rows.empty())
        return;
    RemoveRows(rows);
    ShowSelectedCriteria();
}

// `rows` ascending; the criteria and ticks go from the last up, so the places still hold.
void TAutoTuneloDialog::RemoveRows(const std::vector<int>& rows)
{
    CriteriaList->ClearSelection();
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        Criteria.erase(Criteria.begin() + *row);
        Ticks.erase(Ticks.begin() + *row);
    }
    ShowRowCount();
}

void TAutoTuneloDialog::FormShow()
{
    CriteriaList->ClearSelection();
    PlayListName->SetText(OfferedListName);
    Type->SetItemIndex(0);
    Logic->SetItemIndex(0);
    Text->SetText("");
    SearchingIn->SetCaption(SearchList->GetName());
}

void TAutoTuneloDialog::CreateCriteriaClick()
{
    AddCriteria();
}

void TAutoTuneloDialog::TextKeyUp(TKey& key, TShiftState)
{
    if (key == VK_RETURN)
        AddCriteria();
}

void TAutoTuneloDialog::TypeChange()
{
    UpdateSelectedCriteria();
}

void TAutoTuneloDialog::LogicChange()
{
    UpdateSelectedCriteria();
}

void TAutoTuneloDialog::TextChange()
{
    UpdateSelectedCriteria();
}

// Only a row that becomes selected: the dialog's own clearing of the selection must
// leave Type and Logic on their choices.
void TAutoTuneloDialog::CriteriaListSelectItem(int, bool selected)
{
    if (selected)
        ShowSelectedCriteria();
}

void TAutoTuneloDialog::CriteriaListClick()
{
    ShowSelectedCriteria();
}

void TAutoTuneloDialog::CriteriaListKeyUp(TKey& key, TShiftState)
{
    if (key == VK_DELETE)
        DeleteSelectedCriteria();
}

void TAutoTuneloDialog::CriteriaListData(TListItem& item)
{
    const auto row = static_cast<std::size_t>(item.Index());
    const VT::Filter::Criteria& criterion = Criteria[row];
    item.SetChecked(Ticks[row]);
    item.SubItems() = {EntryText(*Type, criterion.GetField()), EntryText(*Logic, criterion.GetOperator()),
                       criterion.GetText()};
}

void TAutoTuneloDialog::CriteriaListCheck(int row, bool checked)
{
    Ticks[static_cast<std::size_t>(row)] = checked;
}

void TAutoTuneloDialog::DeleteCriteriaMenuClick()
{
    DeleteSelectedCriteria();
}

void TAutoTuneloDialog::ClearClick()
{
    CriteriaList->ClearSelection();
    Criteria.clear();
    Ticks.clear();
    ShowRowCount();
    ShowSelectedCriteria();
}

void TAutoTuneloDialog::OkClick()
{
    if (std::find(Ticks.begin(), Ticks.end(), true) == Ticks.end()) {
        MessageDialog->ShowMessage(NoCriteriaMessage);
        return;
    }
    built_ = BuildPlayList();
    if (built_.songs.empty())
        MessageDialog->ShowMessage(NoSongsMessage);
    else
        SetModalResult(mrOk);
}

void TAutoTuneloDialog::CancelClick()
{
    SetModalResult(mrCancel);
}
