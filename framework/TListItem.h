#pragma once

#include <string>
#include <vector>

// The texts of one row of a list view, as OnData fills them: the caption shows in the
// first column, the sub-items in the columns after it. Checked is the row's check box, in
// a view that has them.
class TListItem {
public:
    explicit TListItem(int index) : index_(index) {}

    int Index() const { return index_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }
    std::vector<std::string>& SubItems() { return subItems_; }
    const std::vector<std::string>& SubItems() const { return subItems_; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked) { checked_ = checked; }

    // The text of a column; empty where OnData gave none.
    std::string ColumnText(int column) const;

private:
    int index_ = 0;
    std::string caption_;
    std::vector<std::string> subItems_;
    bool checked_ = false;
};
