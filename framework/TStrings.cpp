#include "framework/TStrings.h"

#include <algorithm>
#include <stdexcept>

const std::string& TStrings::operator[](int index) const
{
    Check(index, Count());
    return items_[static_cast<size_t>(index)];
}

int TStrings::IndexOf(const std::string& text) const
{
    const auto found = std::find(items_.begin(), items_.end(), text);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

int TStrings::Add(std::string text)
{
    const int index = Count();
    Insert(index, std::move(text));
    return index;
}

void TStrings::Insert(int index, std::string text)
{
    Check(index, Count() + 1);
    Edit(EditKind::Insert, index, [&] { items_.insert(items_.begin() + index, std::move(text)); });
}

void TStrings::Set(int index, std::string text)
{
    Check(index, Count());
    Edit(EditKind::Set, index, [&] { items_[static_cast<size_t>(index)] = std::move(text); });
}

void TStrings::Delete(int index)
{
    Check(index, Count());
    Edit(EditKind::Delete, index, [&] { items_.erase(items_.begin() + index); });
}

void TStrings::Clear()
{
    Edit(EditKind::Clear, 0, [&] { items_.clear(); });
}

void TStrings::Edit(EditKind, int, const std::function<void()>& apply)
{
    apply();
}

void TStrings::Check(int index, int end) const
{
    if (index < 0 || index >= end)
        throw std::out_of_range("List index out of bounds");
}
