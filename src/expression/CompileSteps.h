#pragma once
// The steps of the compiler after normalisation, in the order they run.

#include "expression/Normaliser.h"

#include <optional>
#include <string>

namespace tarlix::steps {

// Each returns the message of its failure, if any.
std::optional<std::string> checkText(const std::string& t, ConstTable& consts, char decimalChar);
std::optional<std::string> bindVariables(std::string& t);
void relationForm(std::string& t);
void postfixGroups(std::string& t);
void implicitMultiplication(std::string& t);
void derivativeOrders(std::string& t);
void solArguments(std::string& t);
void functionsBehindArguments(std::string& t);
void pointSecondArgument(std::string& t);
void argumentCounts(std::string& t);
std::optional<std::string> aggregateBodies(std::string& t);
std::string toPostfix(const std::string& t);
void deleteBrackets(std::string& t);

} // namespace tarlix::steps
