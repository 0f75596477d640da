#include "document/ParamTable.h"

#include "expression/Vocabulary.h"

#include <string_view>

namespace tarlix {

namespace {
constexpr std::string_view kLetters = "abcdmnpqstuv@k";
} // namespace

char parameterLetter(int i) {
    return i >= 1 && i <= kParameterCount ? kLetters[static_cast<std::size_t>(i - 1)] : '\0';
}

int parameterToken(int i) {
    return Token::Y + i;
}

int parameterOfLetter(char c) {
    const auto at = kLetters.find(c);
    return c != '\0' && at != std::string_view::npos ? static_cast<int>(at) + 1 : 0;
}

ParameterRec initialParameter(int i) {
    ParameterRec p;
    if (i == kThetaParameter || i < 1) p.value = 0;
    return p;
}

void ParamTable::reset() {
    for (int i = first(); i <= last(); ++i) (*this)[i] = initialParameter(i);
}

void copyToEvaluator(const ParamTable& table, ParameterValues& values) {
    for (int i = ParamTable::first(); i <= ParamTable::last(); ++i) {
        values.value(i) = table[i].value;
        values.step(i) = table[i].step;
    }
}

} // namespace tarlix
