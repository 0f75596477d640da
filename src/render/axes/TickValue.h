#pragma once
// One tick value beside its axis: its size, its place by the label placement setting, the room
// it needs from its neighbours and the axis caption, and the drawing itself.

#include "render/axes/AxesStyle.h"

namespace tarlix {

struct TickLabels {
    AxesTarget target;
    const Axis& axis;
    bool ruler = false;
};

// The size the value at v takes (none when it cannot be written); unless measuring, draws it
// at the tick (column, row) when it fits. 0 is drawn only on a ruler.
Size drawTickValue(const TickLabels& labels, bool measure, int row, int column, Extended v);

} // namespace tarlix
