#include "expression/functions/EngineQueries.h"

#include <cmath>

namespace tarlix {

Value areaValue(const Value& v, const ViewArea* view) {
    if (v.kind == ValueKind::Pair) return makeUndefined(ValueKind::TypeError);
    if (!v.valid || v.kind != ValueKind::Real || view == nullptr)
        return makeUndefined(ValueKind::Real);
    const Extended k = std::trunc(v.x + 0.5L);
    if (k < 0 || k > 3) return makeUndefined(ValueKind::Real);
    return checkRange(makeReal(view->areaBound(static_cast<int>(k))));
}

Value stepValue(const Value& v, const ParameterSteps* steps) {
    if (!v.valid || v.kind != ValueKind::Real || steps == nullptr)
        return makeUndefined(ValueKind::Real);
    const Extended k = std::round(v.x);
    if (k < 1 || k > 14) return makeUndefined(ValueKind::Real);
    return checkRange(makeReal(steps->parameterStep(static_cast<int>(k))));
}

} // namespace tarlix
