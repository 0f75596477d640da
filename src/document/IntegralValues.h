#pragma once
// What the definite-integral window works out: the values of its two limits, and for every
// explicit function the integral (or area) between them by the composite Simpson rule over
// the window's partitions, less the subtracted function, with the text each row shows.

#include "document/Document.h"

#include <array>
#include <optional>
#include <span>
#include <string>

namespace tarlix {

class WorkBudget;

inline constexpr const char* kMsgPartitions = "N\xFAmero de particiones ser\xE1 de 2 a 200.";

// The limits' values: each expression evaluated with the argument 0; none when undefined.
struct IntegralLimits {
    std::optional<Extended> lower;
    std::optional<Extended> upper;
    bool valid() const { return lower && upper; }
};
IntegralLimits integralLimits(const Document& ctx);

// What one function's row shows.
enum class IntegralRowState : std::uint8_t {
    Missing,     // the function has no text: its row is not listed
    NoLimits,    // a limit is undefined: "---"
    SwitchedOff, // hidden on the data panel: "0"
    Computed,    // its value
};

struct IntegralRow {
    IntegralRowState state = IntegralRowState::Missing;
    Extended value = 0;
};

// Rows 1..20 (row 0, the "none" row of the difference column, shows no value).
using IntegralTable = std::array<IntegralRow, kExplicitFunctions + 1>;

// What is integrated: the window's settings, or a command's own.
struct IntegralRequest {
    IntegralLimits limits;
    int partitions = 40; // even, 2..200
    int subtracted = 0;  // 0 none, else 1..20
    bool areaMode = false;
};
IntegralRequest integralRequestOf(const Document& ctx);

// The rows for the request; the evaluations are part of budget's work when one is given.
IntegralTable integralTable(const Document& ctx, const IntegralRequest& request,
                            WorkBudget* budget = nullptr);

// The label of function k's row: "y1" .. "y20".
std::string integralRowLabel(int k);

// The row's text: "---", "0", or the value in fixed format with 8 decimals (9 digits).
std::string integralRowText(const IntegralRow& row, char decimalChar);

// The composite Simpson rule over v[0..N] (N even) on a..b: the sum of
// (v[2j] + 4 v[2j+1] + v[2j+2]) / 6 over j, times (b - a) / N * 2.
Extended simpson(std::span<const Extended> v, Extended a, Extended b);

// A typed partition count: a whole number, even, in 2..200; none otherwise.
std::optional<int> partitionsFromText(const std::string& text);

} // namespace tarlix
