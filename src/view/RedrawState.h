#pragma once
// What the next redraw has to do: the six change flags and the set of dirty object tokens.
// The view sets these when its mapping, ticks or ranges change; the layered redraw reads and
// clears them.

#include <bitset>
#include <cstdint>

namespace tarlix {

// Object tokens of the expression vocabulary that the view itself marks dirty.
inline constexpr std::uint8_t areaToken = 129;          // the built-in "area"
inline constexpr std::uint8_t firstFunctionToken = 133; // "y1"; "y20" is 152

constexpr std::uint8_t functionToken(int i) {
    return static_cast<std::uint8_t>(firstFunctionToken + i - 1);
}

struct RedrawState {
    bool viewChanged = false;
    bool mappingChanged = false;
    bool ticksChanged = false;
    bool afterimagesChanged = false;
    bool relationsForced = false;
    bool traceRedraw = false;
    std::bitset<256> dirty;

    void markDirty(std::uint8_t token) { dirty.set(token); }
    bool isDirty(std::uint8_t token) const { return dirty.test(token); }

    void clear() { *this = RedrawState{}; }
    // A project read in whole: every object, the mapping, the ticks and the afterimages.
    void markEverything() {
        dirty.set();
        viewChanged = mappingChanged = ticksChanged = afterimagesChanged = true;
    }
};

} // namespace tarlix
