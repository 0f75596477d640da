#pragma once
// The afterimage store: a ring of snapshots of what the picture showed while parameters were
// stepped, so that the afterimage layer can be drawn again after the view changes and can be
// saved beside the project. A snapshot holds the figure positions that could be seen, the
// parameter values of that moment and the colours each kind of object left in the afterimage
// layer (white: nothing).

#include "document/SegmentStore.h"
#include "expression/DocumentExpressions.h"
#include "expression/eval/RowCaches.h"
#include "platform/Canvas.h"

#include <array>
#include <bitset>
#include <deque>
#include <optional>

namespace tarlix {

class View;

struct AfterimageSnapshot {
    // By figure number - 1; absent when the figure took no part.
    std::array<std::optional<FigurePosition>, kFigures> positions;
    // Parameters a..k (1..14) by number - 1.
    std::array<Extended, 14> parameters{};
    std::array<Color, kExplicitFunctions> functions;
    std::array<Color, kRelations> relations;
    std::array<Color, kFigures> curveLines;
    std::array<Color, kFigures> curveFills;
    std::array<Color, kSegments> segmentPens;
    std::array<Color, kSegments> segmentFills;

    AfterimageSnapshot();
    // Whether anything of it can be seen: a figure position, or a function, relation, curve
    // line or connected figure pen that is not white.
    bool holdsAnything() const;
    // Figure n (1..22) as stored, or null.
    const FigurePosition* position(int n) const;
};

// The objects that refer to something removed from the afterimages, by number (bit n).
struct AfterimageReferrers {
    std::bitset<kExplicitFunctions + 1> functions;
    std::bitset<kRelations + 1> relations;
    std::bitset<kFigures + 1> figures;
};

// What a point hit in the afterimages found: the figure (0: none) and where it stood.
struct AfterimageHit {
    int figure = 0;
    Extended x = 0;
    Extended y = 0;
};

class AfterimageStore {
public:
    // The ring keeps this many snapshots; the next one overwrites the oldest.
    static constexpr std::size_t capacity = 3000;

    // Stores the snapshot, unless nothing of it can be seen and the one before was empty too.
    // True when it was stored.
    bool push(const AfterimageSnapshot& snapshot);
    void clear();

    bool empty() const { return ring_.empty(); }
    std::size_t size() const { return ring_.size(); }
    // Snapshot i, the oldest being 0.
    const AfterimageSnapshot& operator[](std::size_t i) const { return ring_[i]; }

    // The highest-numbered figure, among those visible now, whose stored point lies less than 4
    // pixels from (px, py) in both directions, in the oldest snapshot that has one.
    AfterimageHit pointAt(const View& view, int px, int py,
                          const std::bitset<kFigures + 1>& visible,
                          const std::array<FigureKind, kFigures>& kinds) const;

    // The object leaves every snapshot: its recorded colour becomes white.
    void removeFunction(int n);
    void removeRelation(int n);
    void removeSegment(int index);
    // The figure's curve colours become white; where its position is stored, that position is
    // dropped and the objects referring to it leave that snapshot.
    void removeFigure(int n, const AfterimageReferrers& referrers);
    // Every object referring to a parameter or user function leaves every snapshot.
    void removeReferrers(const AfterimageReferrers& referrers);
    // Connected figure index was deleted: the colours of the later ones move down one place.
    void segmentDeleted(int index);

    // Set whenever the stored snapshots changed since the caller last reset it.
    bool changed = false;

private:
    std::deque<AfterimageSnapshot> ring_;
    bool previousHeldAnything_ = false;
};

} // namespace tarlix
