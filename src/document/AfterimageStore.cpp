#include "document/AfterimageStore.h"

#include "view/View.h"

#include <algorithm>
#include <cstdlib>

namespace tarlix {

namespace {
template <std::size_t N> bool anyColoured(const std::array<Color, N>& colours) {
    return std::any_of(colours.begin(), colours.end(), [](Color c) { return c != kWhite; });
}

std::size_t at(int n) {
    return static_cast<std::size_t>(n - 1);
}
} // namespace

AfterimageSnapshot::AfterimageSnapshot() {
    functions.fill(kWhite);
    relations.fill(kWhite);
    curveLines.fill(kWhite);
    curveFills.fill(kWhite);
    segmentPens.fill(kWhite);
    segmentFills.fill(kWhite);
}

bool AfterimageSnapshot::holdsAnything() const {
    const bool anyPosition = std::any_of(positions.begin(), positions.end(), [](const auto& p) {
        return p && p->kind != FigureKind::Empty;
    });
    return anyPosition || anyColoured(functions) || anyColoured(relations) ||
           anyColoured(curveLines) || anyColoured(segmentPens);
}

const FigurePosition* AfterimageSnapshot::position(int n) const {
    const auto& p = positions[at(n)];
    return p && p->kind != FigureKind::Empty ? &*p : nullptr;
}

bool AfterimageStore::push(const AfterimageSnapshot& snapshot) {
    const bool holds = snapshot.holdsAnything();
    if (!holds && !previousHeldAnything_) return false;
    previousHeldAnything_ = holds;
    if (ring_.size() == capacity) ring_.pop_front();
    ring_.push_back(snapshot);
    changed = true;
    return true;
}

void AfterimageStore::clear() {
    ring_.clear();
    previousHeldAnything_ = false;
    changed = true;
}

AfterimageHit AfterimageStore::pointAt(const View& view, int px, int py,
                                       const std::bitset<kFigures + 1>& visible,
                                       const std::array<FigureKind, kFigures>& kinds) const {
    for (const AfterimageSnapshot& s : ring_) {
        for (int n = kFigures; n >= 1; --n) {
            const FigurePosition* p = s.position(n);
            const FigureKind kind = kinds[at(n)];
            if (!p || !visible.test(at(n) + 1) || !(isPointKind(kind) || isCurveKind(kind)))
                continue;
            if (std::abs(view.xAxis.toPixel(p->x) - px) < 4 &&
                std::abs(view.yAxis.toPixel(p->y) - py) < 4)
                return {n, p->x, p->y};
        }
    }
    return {};
}

void AfterimageStore::removeFunction(int n) {
    for (AfterimageSnapshot& s : ring_) s.functions[at(n)] = kWhite;
    changed = true;
}

void AfterimageStore::removeRelation(int n) {
    for (AfterimageSnapshot& s : ring_) s.relations[at(n)] = kWhite;
    changed = true;
}

// A white pen leaves the connected figure out, whatever its fill.
void AfterimageStore::removeSegment(int index) {
    for (AfterimageSnapshot& s : ring_) s.segmentPens[at(index)] = kWhite;
    changed = true;
}

namespace {
void whitenReferrers(AfterimageSnapshot& s, const AfterimageReferrers& r) {
    for (int i = 1; i <= kExplicitFunctions; ++i)
        if (r.functions.test(static_cast<std::size_t>(i))) s.functions[at(i)] = kWhite;
    for (int i = 1; i <= kRelations; ++i)
        if (r.relations.test(static_cast<std::size_t>(i))) s.relations[at(i)] = kWhite;
    for (int i = 1; i <= kFigures; ++i)
        if (r.figures.test(static_cast<std::size_t>(i))) {
            s.curveLines[at(i)] = kWhite;
            s.curveFills[at(i)] = kWhite;
            s.positions[at(i)].reset();
        }
}
} // namespace

void AfterimageStore::removeFigure(int n, const AfterimageReferrers& referrers) {
    for (AfterimageSnapshot& s : ring_) {
        s.curveLines[at(n)] = kWhite;
        s.curveFills[at(n)] = kWhite;
        if (!s.positions[at(n)]) continue;
        s.positions[at(n)].reset();
        whitenReferrers(s, referrers);
    }
    changed = true;
}

void AfterimageStore::removeReferrers(const AfterimageReferrers& referrers) {
    for (AfterimageSnapshot& s : ring_) whitenReferrers(s, referrers);
    changed = true;
}

void AfterimageStore::segmentDeleted(int index) {
    for (AfterimageSnapshot& s : ring_) {
        for (int i = index; i < kSegments; ++i) {
            s.segmentPens[at(i)] = s.segmentPens[at(i + 1)];
            s.segmentFills[at(i)] = s.segmentFills[at(i + 1)];
        }
        s.segmentPens[at(kSegments)] = kWhite;
        s.segmentFills[at(kSegments)] = kWhite;
    }
    changed = true;
}

} // namespace tarlix
