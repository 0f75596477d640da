#pragma once
// The random generator behind "rnd". The program seeds one at start-up and passes it in;
// tests seed their own for repeatable draws.

#include "expression/Value.h"

#include <cstdint>
#include <random>

namespace tarlix {

class RandomState {
public:
    explicit RandomState(std::uint64_t seed) : engine_(seed) {}
    static RandomState seededOnce(); // from the system's entropy source

    Extended uniform();                     // in [0, 1)
    std::int64_t below(std::int64_t count); // in 0 .. count - 1, count >= 1

private:
    std::mt19937_64 engine_;
};

// rnd(x): for Round(x) = 1 a real in [0, 1), otherwise a whole number in 0 .. Round(x) - 1.
Value rndValue(const Value& v, RandomState& random);

} // namespace tarlix
