#pragma once

#include <string>

class TListView;

// A column of a list view. Its width stays within MinWidth and MaxWidth (0: no limit),
// also when the user drags it; a column of width 0 is not shown.
class TListColumn {
public:
    TListColumn(TListView& view, int index) : view_(view), index_(index) {}

    int Index() const { return index_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    int Width() const { return width_; }
    void SetWidth(int width);
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int width);
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int width);

    // The width within the bounds.
    int Bounded(int width) const;

private:
    TListView& view_;
    int index_ = 0;
    std::string caption_;
    int width_ = 50;
    int minWidth_ = 0;
    int maxWidth_ = 0;
};
