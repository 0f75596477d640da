#pragma once
// The built-in "area"(n) answered by a view: its x and y ranges.

#include "expression/functions/EngineQueries.h"
#include "view/View.h"

namespace tarlix {

class ViewAreaSource : public ViewArea {
public:
    explicit ViewAreaSource(const View& view) : view_(view) {}
    Extended areaBound(int k) const override { return viewArea(view_, makeReal(k)).x; }

private:
    const View& view_;
};

} // namespace tarlix
