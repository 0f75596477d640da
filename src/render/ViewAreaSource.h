#pragma once
// The built-in "area"(n) answered by a view: its x and y ranges.

#include "expression/functions/EngineQueries.h"
#include "render/Scale.h"

namespace tarlix {

class ViewAreaSource : public ViewArea {
public:
    explicit ViewAreaSource(const ScaleT& view) : view_(view) {}
    Extended areaBound(int k) const override { return viewArea(view_, makeReal(k)).x; }

private:
    const ScaleT& view_;
};

} // namespace tarlix
