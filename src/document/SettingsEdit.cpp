// The animation settings that the parameter panel's speed bar and afterimage switch change.
// Neither changes what is drawn now, so nothing is marked for the redraw.

#include "document/RecordedChange.h"

#include <algorithm>

namespace tarlix {

bool setAnimationPeriod(Document& ctx, int period) {
    return changeRecorded(ctx, ctx.project.settings.animationPeriod, std::max(period, 0));
}

bool setAfterimagesEnabled(Document& ctx, bool enabled) {
    return changeRecorded(ctx, ctx.project.settings.afterimagesOn, enabled);
}

} // namespace tarlix
