#include "expression/functions/Random.h"

#include "expression/functions/WholeNumber.h"

#include <cmath>

namespace tarlix {

RandomState RandomState::seededOnce() {
    std::random_device device;
    const std::uint64_t seed = (static_cast<std::uint64_t>(device()) << 32u) ^ device();
    return RandomState(seed);
}

Extended RandomState::uniform() {
    // 64 random bits fill the extended mantissa; the scale 2^-64 keeps the result below 1.
    return std::ldexp(static_cast<Extended>(engine_()), -64);
}

std::int64_t RandomState::below(std::int64_t count) {
    return std::uniform_int_distribution<std::int64_t>(0, count - 1)(engine_);
}

Value rndValue(const Value& v, RandomState& random) {
    if (!v.valid || v.kind != ValueKind::Real || v.x < 0.5L || !(v.x < kWholeLimit))
        return makeUndefined(ValueKind::Real);
    const Extended n = roundHalfEven(v.x);
    if (n < 1) return makeUndefined(ValueKind::Real); // rnd(0.5) rounds to 0
    if (n == 1) return makeReal(random.uniform());
    return makeReal(static_cast<Extended>(random.below(static_cast<std::int64_t>(n))));
}

} // namespace tarlix
