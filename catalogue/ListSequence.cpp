#include "catalogue/ListSequence.h"

#include <atomic>
#include <iterator>

namespace VT {

ListSequence::ListSequence(const ListSequence& other) : lists_(other.lists_), extension_(other.extension_) {}

ListSequence& ListSequence::operator=(const ListSequence& other)
{
    if (this == &other)
        return *this;
    auto mine = lists_.begin();
    auto theirs = other.lists_.begin();
    for (; mine != lists_.end() && theirs != other.lists_.end(); ++mine, ++theirs)
        mine->list = theirs->list;
    if (current_.IsList() && IndexOf(current_) >= other.lists_.size())
        current_ = {};
    lists_.erase(mine, lists_.end());
    lists_.insert(lists_.end(), theirs, other.lists_.end());
    return *this;
}

ListPtr ListSequence::Add(PlayList list)
{
    static std::atomic<std::uint64_t> lastSerial{0};
    list.serial_ = ++lastSerial;
    lists_.push_back(ListNode{std::make_shared<PlayList>(std::move(list))});
    return Handle(std::prev(lists_.end()));
}

void ListSequence::Remove(ListPtr list)
{
    if (current_ == list)
        current_ = {};
    lists_.erase(list.at_);
}

std::vector<ListPtr> ListSequence::All()
{
    std::vector<ListPtr> handles;
    handles.reserve(lists_.size());
    for (auto at = lists_.begin(); at != lists_.end(); ++at)
        handles.push_back(Handle(at));
    return handles;
}

std::size_t ListSequence::IndexOf(ListPtr list) const
{
    if (list.owner_ != &lists_)
        return lists_.size();
    return static_cast<std::size_t>(std::distance(lists_.begin(), ListNodes::const_iterator(list.at_)));
}

} // namespace VT
