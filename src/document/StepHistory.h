#pragma once
// A history of undo steps: at most 50 kept, oldest first, with a position that undo moves back
// and redo forward. A step is stored before a change; the newest one stored on the first undo
// is the present state, so that redo can come back to it.

#include <deque>

namespace tarlix {

// Step needs sameStep(a, b): whether storing b after a would add nothing.
template <class Step> class StepHistory {
public:
    static constexpr int kCapacity = 50;

    // Stores a copy of step at the position, unless it is the same as the step before it;
    // the oldest gives way when the history is full, and every redo step is discarded.
    void store(const Step& step) {
        if (index_ > 0 && sameStep(items_[index_ - 1], step)) return;
        if (index_ == kCapacity) {
            items_.pop_front();
            --index_;
        }
        items_.erase(items_.begin() + index_, items_.end());
        items_.push_back(step);
        index_ = static_cast<int>(items_.size());
    }

    // One step back: the step reached, or none at the start.
    const Step* stepBack() {
        if (index_ < 1) return nullptr;
        --index_;
        return &items_[index_];
    }
    // One step forward: the step reached, or none at the newest.
    const Step* stepForward() {
        if (index_ >= count() - 1) return nullptr;
        ++index_;
        return &items_[index_];
    }

    // The newest stored step, to compare or share with the next; none when empty.
    const Step* newest() const { return index_ > 0 ? &items_[index_ - 1] : nullptr; }

    // The stored step at i, 0 the oldest.
    const Step& at(int i) const { return items_[static_cast<std::size_t>(i)]; }

    bool canUndo() const { return index_ > 0; }
    bool canRedo() const { return index_ + 1 < count(); }
    void clear() {
        items_.clear();
        index_ = 0;
    }
    int index() const { return index_; }
    int count() const { return static_cast<int>(items_.size()); }

private:
    std::deque<Step> items_;
    int index_ = 0;
};

} // namespace tarlix
