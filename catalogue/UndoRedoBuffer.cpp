#include "catalogue/Manager.h"

#include <algorithm>

namespace VT {

void Manager::UndoRedoBuffer::Push(const PlayListManager& state)
{
    const int stored = static_cast<int>(states_.size());
    position_ = std::min(position_, stored);
    // Drop the states Redo could still reach, then all but the 50 before the present.
    states_.erase(states_.begin() + position_, states_.end());
    const int oldestKept = std::max(0, position_ - EarlierStates);
    states_.erase(states_.begin(), states_.begin() + oldestKept);
    states_.push_back(state);
    position_ = static_cast<int>(states_.size());
}

const PlayListManager* Manager::UndoRedoBuffer::Undo()
{
    --position_;
    if (!states_.empty() && position_ > 0)
        return &states_[static_cast<std::size_t>(position_ - 1)];
    position_ = 1;
    return nullptr;
}

const PlayListManager* Manager::UndoRedoBuffer::Redo()
{
    if (static_cast<int>(states_.size()) > position_) {
        ++position_;
        return &states_[static_cast<std::size_t>(position_ - 1)];
    }
    position_ = static_cast<int>(states_.size());
    return nullptr;
}

} // namespace VT
