#pragma once
// The number type of the program.

namespace tarlix {

// 80-bit extended floating point: every value the program computes uses it.
using Extended = long double;

} // namespace tarlix
