#pragma once

// autotunelodlg: TAutoTuneloDialog, the dialog that builds a play list from criteria.

#include "catalogue/Filter.h"
#include "catalogue/ListPtr.h"
#include "catalogue/PlayList.h"
#include "framework/TComboBox.h"
#include "framework/TEdit.h"
#include "framework/TForm.h"
#include "framework/TGroupBox.h"
#include "framework/TLabel.h"
#include "framework/TListView.h"
#include "framework/TPopupMenu.h"
#include "framework/TSpeedButton.h"

#include <vector>

// Row i of CriteriaList shows criterion i and its tick; the criteria, their ticks and the
// Any/All choice stay from one opening to the next.
class TAutoTuneloDialog : public TForm {
public:
    TAutoTuneloDialog();

    // Shows the dialog modally over the list to search; 1 after OK, 2 after Cancel or
    // the close box.
    int Execute(VT::ListPtr list);
    // The songs of the searched list that the ticked criteria select, in the list's order,
    // under the name typed; built anew on every call.
    VT::PlayList BuildPlayList() const;
    // The list that the last accepted OK built, handed over once: Auto List then adds the
    // songs that OK found rather than filtering the list again.
    VT::PlayList TakeBuiltPlayList();

    void AddCriteria();
    void UpdateSelectedCriteria();
    void ShowSelectedCriteria();
    void DeleteSelectedCriteria();

    void FormShow();
    void CreateCriteriaClick();
    void TextKeyUp(TKey& key, TShiftState shift);
    void TypeChange();
    void LogicChange();
    void TextChange();
    void CriteriaListSelectItem(int row, bool selected);
    void CriteriaListClick();
    void CriteriaListKeyUp(TKey& key, TShiftState shift);
    void CriteriaListData(TListItem& item);
    void CriteriaListCheck(int row, bool checked);
    void DeleteCriteriaMenuClick();
    void ClearClick();
    void OkClick();
    void CancelClick();

    std::vector<VT::Filter::Criteria> Criteria;
    // Whether criterion i takes part, as its row's box shows.
    std::vector<bool> Ticks;
    VT::ListPtr SearchList;

    TGroupBox* NameGroup = nullptr;
    TLabel* NameLabel = nullptr;
    TEdit* PlayListName = nullptr;
    TLabel* SearchingInLabel = nullptr;
    TLabel* SearchingIn = nullptr;
    TGroupBox* CriteriaGroup = nullptr;
    TComboBox* Type = nullptr;
    TComboBox* Logic = nullptr;
    TEdit* Text = nullptr;
    TSpeedButton* CreateCriteria = nullptr;
    TListView* CriteriaList = nullptr;
    TPopupMenu* CriteriaMenu = nullptr;
    TMenuItem* DeleteCriteriaMenu = nullptr;
    TLabel* MatchLabel = nullptr;
    TComboBox* LogicCheckCombo = nullptr;
    TLabel* CriteriaLabel = nullptr;
    TSpeedButton* Ok = nullptr;
    TSpeedButton* Cancel = nullptr;
    TSpeedButton* Clear = nullptr;

private:
    void BuildNameGroup();
    void BuildCriteriaGroup();
    void BuildCriteriaList();
    void BuildMatchLine();
    void BuildButtons();

    // The ticked criteria, and whether a song must meet all of them or one.
    VT::Filter TickedFilter() const;
    bool AllMustMatch() const;

    // A Type or Logic entry's text; empty for a number that names no entry.
    static std::string EntryText(TComboBox& box, std::uint8_t index);
    // The entry a stored number stands for; -1, no choice, for one that names none.
    static int EntryIndex(TComboBox& box, std::uint8_t index);
    void ShowRowCount();
    void RemoveRows(const std::vector<int>& rows);

    VT::PlayList built_;
};

extern TAutoTuneloDialog* AutoTuneloDialog;
