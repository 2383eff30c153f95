#include "mainform/Unit1.h"

#include "mainform/YearList.h"

#include <array>
#include <utility>

namespace {

constexpr const char* NoSongsText = "(No Songs)";
constexpr const char* NoSongsFoundText = "(No Songs Found)";

// A box still showing its placeholder gives no criterion and shows the placeholder
// again; writing the text it already holds raises nothing.
template <class Box> std::string BoxCriterion(Box& box, bool placeholder, const char* shown)
{
    if (!placeholder)
        return box.Text();
    box.SetText(shown);
    return {};
}

// Writes a text only when it differs, so that a completion the user is typing keeps its
// selected tail.
void SetChangedText(TComboBox& box, const std::string& text)
{
    if (box.Text() != text)
        box.SetText(text);
}

} // namespace

std::string TAppForm::YearCriterion()
{
    if (!SearchState.YearFromList)
        return YearEdit->Text();
    if (SearchState.YearPrefix.empty())
        YearEdit->SetText(AllYears);
    return SearchState.YearPrefix;
}

std::vector<VT::Filter::Criteria> TAppForm::SearchCriteria()
{
    const std::string artist = BoxCriterion(*ArtistEdit, SearchState.ArtistPlaceholder, AllArtists);
    const std::string title = BoxCriterion(*TitleEdit, SearchState.TitlePlaceholder, AllTitles);
    const std::string genre = BoxCriterion(*GenreEdit, SearchState.GenrePlaceholder, AllGenres);
    const std::string year = YearCriterion();
    const std::uint8_t op = SearchWithinCheckBox->Checked() ? VT::Filter::Contains : VT::Filter::StartsWith;
    std::vector<VT::Filter::Criteria> criteria;
    const std::array<std::pair<VT::Filter::Field, const std::string*>, 4> texts{
        {{VT::Filter::Title, &title}, {VT::Filter::Artist, &artist}, {VT::Filter::Genre, &genre}, {VT::Filter::Date, &year}}};
    for (const auto& [field, text] : texts) {
        if (!text->empty())
            criteria.emplace_back(field, op, *text);
    }
    return criteria;
}

void TAppForm::ShowSearchResult(std::vector<VT::Filter::Criteria> criteria)
{
    const VT::ListPtr shown = Model.GetSelected();
    if (criteria.empty()) {
        ShowSongs(shown.Share());
        if (ShownSongs->songs.empty())
            ShowPlaceholderRow(NoSongsText);
        return;
    }
    std::vector<std::size_t> positions = VT::Filter(std::move(criteria)).Select(*shown, true);
    // No positions would stand for the whole list.
    const bool found = !positions.empty();
    ShowSongs(found ? shown.Share() : nullptr, std::move(positions));
    if (!found)
        ShowPlaceholderRow(NoSongsFoundText);
}

// Writing a placeholder into a box raises its OnChange, which runs this again from
// inside; the inner run finds the same state and the outer one ends the same way.
void TAppForm::RefreshSongView()
{
    const std::uint8_t mode = Model.GetMode();
    if (mode != VT::Manager::NothingShown)
        mp3ListView->SetEnabled(true);
    if (mode == VT::Manager::PlayListShown)
        UpdatePlayListEntry(ShownRow());
    if (mode != VT::Manager::NothingShown)
        ShowSearchResult(SearchCriteria());
    UpdateStatusLine();
    UpdateButtons();
}

void TAppForm::CancelSearchActionExecute()
{
    SearchState.TitlePlaceholder = true;
    SearchState.ArtistPlaceholder = true;
    SearchState.YearFromList = true;
    SearchState.YearPrefix.clear();
    SearchState.GenrePlaceholder = true;
    SearchWithinCheckBox->SetChecked(false);
    SearchState.Typed = false;
    RefreshSongView();
}

void TAppForm::SearchWithinTextActionExecute()
{
    SearchWithinCheckBox->SetChecked(!SearchWithinCheckBox->Checked());
}

void TAppForm::TitleEditChange()
{
    RefreshSongView();
}

void TAppForm::ArtistEditChange()
{
    RefreshSongView();
}

void TAppForm::YearEdit1Change()
{
    RefreshSongView();
}

void TAppForm::GenreEdit1Change()
{
    RefreshSongView();
}

void TAppForm::SearchWithinCheckBoxClick()
{
    RefreshSongView();
}

void TAppForm::TitleEditClick()
{
    if (!SearchState.TitlePlaceholder)
        return;
    SearchState.TitlePlaceholder = false;
    TitleEdit->SetText({});
}

void TAppForm::ArtistEditClick()
{
    if (!SearchState.ArtistPlaceholder)
        return;
    SearchState.ArtistPlaceholder = false;
    ArtistEdit->SetText({});
}

void TAppForm::YearEdit1Click()
{
    if (!SearchState.YearFromList)
        return;
    SearchState.YearFromList = false;
    SearchState.YearPrefix.clear();
    YearEdit->SetText({});
}

void TAppForm::GenreEdit1Click()
{
    if (!SearchState.GenrePlaceholder)
        return;
    SearchState.GenrePlaceholder = false;
    GenreEdit->SetText({});
}

void TAppForm::TitleEditKeyDown(TKey&, TShiftState)
{
    TitleEditClick();
    SearchState.Typed = true;
}

void TAppForm::ArtistEditKeyDown(TKey&, TShiftState)
{
    ArtistEditClick();
    SearchState.Typed = true;
}

// Unlike a click, a key leaves the year prefix as it was; it is not read while the
// year comes from the box.
void TAppForm::YearEdit1KeyDown(TKey&, TShiftState)
{
    if (!SearchState.YearFromList)
        return;
    SearchState.YearFromList = false;
    YearEdit->SetText({});
}

void TAppForm::GenreEdit1KeyDown(TKey&, TShiftState)
{
    GenreEdit1Click();
}

// An entry that names no decade, the empty last one too, counts as "all years", which
// the refresh writes into the box.
void TAppForm::YearEditSelect()
{
    const int entry = YearEdit->ItemIndex();
    SearchState.YearFromList = true;
    SearchState.YearPrefix = DecadePrefix(entry);
    if (!SearchState.YearPrefix.empty())
        SetChangedText(*YearEdit, YearEdit->Items()[entry]);
    RefreshSongView();
}

void TAppForm::GenreEditSelect()
{
    const int entry = GenreEdit->ItemIndex();
    if (entry >= 0 && entry < GenreEdit->Items().Count()) {
        SearchState.GenrePlaceholder = entry == 0;
        SetChangedText(*GenreEdit, GenreEdit->Items()[entry]);
    }
    RefreshSongView();
}
