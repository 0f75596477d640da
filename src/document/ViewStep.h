#pragma once
// The view as a step of the view history: both ranges, both pixel lengths, the division counts
// and the equal-scales flag. Two steps are the same when ranges and lengths agree; a change of
// divisions alone is not a step.

#include "view/View.h"

namespace tarlix {

struct ViewStep {
    Extended xLow = 0;
    Extended xHigh = 0;
    Extended yLow = 0;
    Extended yHigh = 0;
    int width = 0;
    int height = 0;
    int xDivisions = 0;
    int yDivisions = 0;
    bool equalScales = false;
};

ViewStep captureViewStep(const View& view);
bool sameStep(const ViewStep& a, const ViewStep& b);

} // namespace tarlix
