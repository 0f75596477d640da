#pragma once
// One axis of the view: its range, its world-to-pixel mapping and its tick and label settings.
// Drawing code converts only through these mappings.

#include "expression/Value.h"
#include "view/AxisSettings.h"
#include "view/RedrawState.h"
#include "view/TickSequence.h"

#include <string>

namespace tarlix {

struct PixelPoint {
    int x = 0;
    int y = 0;
};

struct WorldPoint {
    Extended x = 0;
    Extended y = 0;
};

// One axis. The y axis runs downwards on the screen, so its mapping negates.
class Axis : public AxisState {
public:
    char axisId = 'x';
    mutable bool clipped = false; // set by every conversion to pixels: the result was clamped
    int decimals = 0;
    Extended pixelsPerUnit = 0;
    Extended unitsPerPixel = 0;
    Extended originPixel = 0;

    // 1 on screen; the enlargement factor while a picture is drawn for printing or export.
    int outputScale = 1;
    // Receives the mapping-changed and ticks-changed flags; none for a free-standing axis.
    RedrawState* redraw = nullptr;

    void recompute();
    void setRange(Extended newHigh, Extended newLow) {
        high = newHigh;
        low = newLow;
    }

    // Pixels beyond this are not genuine: conversions to pixels clamp to it.
    Extended pixelLimit() const { return outputScale == 1 ? 10000 : 30000; }
    int toPixel(Extended v) const;
    Extended toPixelFloat(Extended v) const;
    int lengthToPixels(Extended d) const;
    Extended toWorld(Extended p) const;
    Extended toWorldRaw(Extended p) const;
    Extended pixelsToLength(Extended n) const { return n * unitsPerPixel; }

    Extended tickInterval() const { return tarlix::tickInterval(low, high, divisions, base); }
    Extended snapToTick(Extended p) const;
    static void clampNumber(int& number);
    void moreTicks();
    void fewerTicks();

    // Sets the letter, the pixel length and the range, and resets the tick and label settings.
    void init(char letter, int pixelLength, Extended high, Extended low);
    // Captions arrive with their markup already removed by the memo text renderer.
    void recomputeCaptionText(const std::string& captionWithoutMarkup);
    void recomputeCaptionText() { recomputeCaptionText(caption); }

private:
    void setTicksChanged() const;
};

// captionText from a caption whose markup is gone: characters 0..25, "{" and "}" deleted.
std::string plainCaption(const std::string& captionWithoutMarkup);

} // namespace tarlix
