#pragma once
// Live fields of memo markup, replaced by formula groups when the text is drawn: value fields
// "!{expr|d}", "+!{expr|d}", "-!{expr|d}" show the current value of an expression with d
// significant digits; polynomial fields "?{expr|d}" show the polynomial an expression of x is.

#include "render/markup/MarkupEnv.h"

#include <string>

namespace tarlix {

// What a value field whose expression has no value shows.
inline constexpr const char* kFieldErrorText = " error ";
inline constexpr const char* kFieldError = "error";

std::string expandValueFields(const std::string& text, int mode, const MarkupEnv& env);
std::string expandPolynomialFields(const std::string& text, int mode, const MarkupEnv& env);

// A real in general format with at most digits significant digits, its exponent written
// "*10^(" e ")" so that it reads as a formula.
std::string fieldNumberText(Extended v, int digits, char decimalChar);

} // namespace tarlix
