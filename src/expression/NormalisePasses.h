#pragma once
// The single passes of the normaliser, in the order they run.

#include "expression/Normaliser.h"

#include <string>

namespace tarlix::passes {

void spacesAndSigns(std::string& t);                                              // 1
void absoluteBrackets(std::string& t);                                            // 2 and 11
void negativeNumbers(std::string& t);                                             // 3
void pointMode(std::string& t, int figure);                                       // 4
void pointComponents(std::string& t);                                             // 5
void thetaAxis(std::string& t);                                                   // 6
bool numbers(std::string& t, const EngineSettings& settings, ConstTable& consts); // 7
void spaceMarking(std::string& t);                                                // 8
void pairLiterals(std::string& t);                                                // 9
void pointPairs(std::string& t);                                                  // 10
void logarithmForm(std::string& t);                                               // 12
void exponentOperands(std::string& t);                                            // 13
void powerPrefixArguments(std::string& t);                                        // 14
void functionMarking(std::string& t);                                             // 15
void functionOperands(std::string& t);                                            // 16
void deleteMarkers(std::string& t);                                               // 17
void functionApplication(std::string& t);                                         // 18
void postfixLeftOperands(std::string& t);                                         // 19
void quotientLeftOperands(std::string& t);                                        // 20
void deleteSpaces(std::string& t);                                                // 21
void normToLen(std::string& t);                                                   // 22
void chainedComparisons(std::string& t);                                          // 23
void powerPrefixPowers(std::string& t);                                           // 24
void relationVariables(std::string& t, ThetaMode thetaMode);                      // 25

// Steps 7 to 21, which the formula display shares: numbers into constant slots, then every
// group the compiler sees (pairs, absolute values, exponents, applications, operands). False
// when the numbers do not fit the constant table.
bool groupingPasses(std::string& t, const EngineSettings& settings, ConstTable& consts);

} // namespace tarlix::passes
