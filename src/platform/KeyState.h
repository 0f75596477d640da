#pragma once
// Whether a key or mouse button is held down right now: Shift and Ctrl change what a click or a
// step does, Escape and F1 stop scripts and long relation scans, and a released mouse button
// ends an animation that runs while a button is held.

#include <set>

namespace tarlix {

enum class Key { Shift, Ctrl, Escape, F1, LeftButton, RightButton };

class KeyState {
public:
    virtual ~KeyState() = default;
    virtual bool isDown(Key key) const = 0;
};

// Key state for tests: keys are pressed and released by hand.
class FakeKeyState : public KeyState {
public:
    bool isDown(Key key) const override { return down_.count(key) != 0; }
    void press(Key key) { down_.insert(key); }
    void release(Key key) { down_.erase(key); }
    void releaseAll() { down_.clear(); }

private:
    std::set<Key> down_;
};

} // namespace tarlix
