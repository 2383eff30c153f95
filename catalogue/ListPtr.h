#pragma once

#include "catalogue/PlayList.h"

#include <list>
#include <memory>

namespace VT {

// One list held by a manager. Undo states share a list with the live manager until one
// of them changes it, so an edit copies only the list it touches.
struct ListNode {
    std::shared_ptr<PlayList> list;
};
using ListNodes = std::list<ListNode>;

// A handle to one list of a manager. It stays valid while other lists come and go,
// until its own list is removed. Reading goes through * and ->; changing goes through
// Edit, which first gives the list its own copy when an undo state shares it; the list
// then no longer counts as what its file holds.
class ListPtr {
public:
    ListPtr() = default; // refers to no list

    const PlayList& operator*() const { return *node().list; }
    const PlayList* operator->() const { return node().list.get(); }
    PlayList& Edit() const;
    // The list as it stands now, kept alive for the holder: a later Edit through the
    // handle changes a copy, so what was shared never changes under the holder.
    std::shared_ptr<const PlayList> Share() const { return node().list; }

    // True while the handle stands on a list rather than on the end or nowhere.
    bool IsList() const { return owner_ != nullptr && at_ != owner_->end(); }

    ListPtr& operator++()
    {
        ++at_;
        return *this;
    }

    friend bool operator==(const ListPtr& a, const ListPtr& b)
    {
        return a.owner_ == b.owner_ && (a.owner_ == nullptr || a.at_ == b.at_);
    }

private:
    friend class ListSequence;
    ListPtr(ListNodes* owner, ListNodes::iterator at) : owner_(owner), at_(at) {}
    ListNode& node() const { return *at_; }

    ListNodes* owner_ = nullptr;
    ListNodes::iterator at_{};
};

} // namespace VT
