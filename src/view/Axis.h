#pragma once
// One axis of the view: its range, its world-to-pixel mapping and its tick and label settings.
// Drawing code converts only through these mappings.

#include "expression/Value.h"
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
class Axis {
public:
    char AxisId = 'x';
    int PixelStart = 0;
    int PixelLength = 400;
    bool AxesVisible = true;
    bool ScaleVisible = true;
    bool ValueVisible = true;
    bool GuideVisible = true;
    mutable bool Clipped = false; // set by every conversion to pixels: the result was clamped
    int Number = 7;               // wanted divisions, 1..40; 0 means no ticks
    int LInterval = 1;            // a value label at every LInterval-th tick
    Extended base = 1;
    Extended Low = -5;
    Extended High = 5;
    int Decimals = 0;
    std::string Caption;
    std::string SCaption;
    char Letter = 'x';
    Extended PixelsPerUnit = 0;
    Extended UnitsPerPixel = 0;
    Extended OriginPixel = 0;

    // 1 on screen; the enlargement factor while a picture is drawn for printing or export.
    int OutputScale = 1;
    // Receives the mapping-changed and ticks-changed flags; none for a free-standing axis.
    RedrawState* redraw = nullptr;

    void Recompute();
    void SetRange(Extended high, Extended low) {
        High = high;
        Low = low;
    }

    int ToPixel(Extended v) const;
    Extended ToPixelFloat(Extended v) const;
    int LengthToPixels(Extended d) const;
    Extended ToWorld(Extended p) const;
    Extended ToWorldRaw(Extended p) const;
    Extended PixelsToLength(Extended n) const { return n * UnitsPerPixel; }

    Extended TickInterval() const { return tickInterval(Low, High, Number, base); }
    Extended SnapToTick(Extended p) const;
    static void ClampNumber(int& number);
    void MoreTicks();
    void FewerTicks();

    // Sets the letter, the pixel length and the range, and resets the tick and label settings.
    void Init(char letter, int pixelLength, Extended high, Extended low);
    // Captions arrive with their markup already removed by the memo text renderer.
    void RecomputeSCaption(const std::string& captionWithoutMarkup);
    void RecomputeSCaption() { RecomputeSCaption(Caption); }

private:
    void setTicksChanged() const;
};

// SCaption from a caption whose markup is gone: characters 0..25, "{" and "}" deleted.
std::string plainCaption(const std::string& captionWithoutMarkup);

} // namespace tarlix
