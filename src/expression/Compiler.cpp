#include "expression/Compiler.h"

#include "expression/CompileMessages.h"
#include "expression/CompileSteps.h"
#include "expression/NestingLimits.h"
#include "expression/Normaliser.h"
#include "expression/TokenText.h"
#include "expression/Tokenizer.h"
#include "expression/Vocabulary.h"

#include <algorithm>
#include <utility>

namespace tarlix {

namespace {
void dropLeadingYEquals(CompiledExpression& record) {
    const std::string& t = record.tokens;
    if (t.size() > 2 && code(t[0]) == Token::Y && code(t[1]) == Token::Equal) {
        record.tokens.erase(0, 2);
        record.source.erase(0, std::min<std::size_t>(2, record.source.size()));
    }
}

void replaceAll(std::string& s, const std::string& from, const std::string& to) {
    for (auto at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}
} // namespace

bool compile(CompiledExpression& record, int mode, bool showErrors, const CompileEnv& env) {
    record.code.clear();
    if (record.tokens.empty()) {
        record.constTop = 0;
        return true;
    }
    auto fail = [&](const std::string& message, bool always = false) {
        if (showErrors || always) env.messages.show(message, MessageKind::Error, false);
        return false;
    };
    if (record.tokens.find(tokenChar(Token::Unrecognised)) != std::string::npos)
        return fail(msg::kNotFinished);
    if (record.tokens.size() > kMaxExpressionTokens || maxDepth(record.tokens) > kMaxTypedNesting ||
        longestChain(record.tokens) > kMaxBuiltNesting)
        return fail(msg::kTooDeep);
    if (mode == kModeExplicit) dropLeadingYEquals(record);

    std::string t = record.tokens;
    ConstTable consts;
    const NormaliseResult normalised = normalise(t, {mode, env.thetaAxis}, env.settings, consts);
    if (normalised == NormaliseResult::TooManyConstants) return fail(msg::kTooManyConstants, true);
    if (normalised == NormaliseResult::TooDeep) return fail(msg::kTooDeep);
    if (auto m = steps::checkText(t, consts, env.settings.decimalChar)) return fail(*m);
    if (auto m = steps::bindVariables(t)) return fail(*m);
    if (mode == kModeRelation) steps::relationForm(t);
    steps::postfixGroups(t);
    steps::implicitMultiplication(t);
    steps::derivativeOrders(t);
    steps::solArguments(t);
    steps::functionsBehindArguments(t);
    steps::pointSecondArgument(t);
    steps::argumentCounts(t);
    if (auto m = steps::aggregateBodies(t)) return fail(*m, true);
    if (maxDepth(t) > kMaxBuiltNesting) return fail(msg::kTooDeep); // the postfix order recurses
    t = steps::toPostfix(t);
    steps::deleteBrackets(t);

    record.code = t;
    record.constText = consts.text;
    record.constValue = consts.value;
    record.constTop = static_cast<std::uint8_t>(consts.next - 2);
    if (showErrors && !arityCheck(record, env.messages)) {
        record.code.clear(); // a failed compile leaves no code behind
        return false;
    }
    return true;
}

void nameRadicals(std::string& text) {
    replaceAll(text, "sqrt", "Sqrt");
    replaceAll(text, "cbrt", "Cbrt");
}

bool setSource(CompiledExpression& record, const std::string& text, int mode,
               const CompileEnv& env) {
    const auto trimmed = [](const std::string& t) {
        const auto first = t.find_first_not_of(' ');
        const auto last = t.find_last_not_of(' ');
        return first == std::string::npos ? std::string() : t.substr(first, last - first + 1);
    };
    std::string source = trimmed(text);
    nameRadicals(source);
    int cursor = 0;
    record.tokens = tokenize(source, cursor, env.settings);
    // Dropping stray primes can leave a blank at an end, which the next cleaning would trim: trim
    // it now, so that a text saved and read back is the text that was saved.
    if (std::string again = trimmed(source); again != source) {
        source = std::move(again);
        record.tokens = tokenize(source, cursor, env.settings);
    }
    record.source = source;
    if (mode < kModePlain) {
        record.code.clear();
        return true;
    }
    return compile(record, mode, false, env);
}

} // namespace tarlix
