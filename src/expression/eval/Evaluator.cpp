#include "expression/eval/Evaluator.h"

#include "expression/References.h"
#include "expression/Vocabulary.h"
#include "expression/eval/TokenBuiltins.h"
#include "expression/functions/Angles.h"
#include "expression/functions/WholeNumber.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

std::size_t matchingSend(std::string_view code, std::size_t begin) {
    int open = 1;
    for (std::size_t i = begin; i < code.size(); ++i) {
        const int t = code[i] & 0xFF;
        if (isAggregate(t)) ++open;
        if (t == Token::Send && --open == 0) return i;
    }
    return code.size();
}

bool isNamedConstant(int t) {
    return t == Token::Pi || t == Token::E || t == Token::I || t == Token::SZero || t == Token::R;
}

Value namedConstant(int t) {
    switch (t) {
    case Token::Pi:
        return makeReal(kPi);
    case Token::E:
        return makeReal(std::exp(1.0L));
    case Token::I:
        return makePair(0, 1);
    case Token::SZero:
        return Value{ValueKind::SignedZero, 0, 0, 1};
    default:
        return makeUndefined(ValueKind::Real);
    }
}

Value argumentPair(const Value& a, const Value& b) {
    if (isDefinedReal(a) && isDefinedReal(b)) return makePair(a.x, b.x);
    return makeUndefined(ValueKind::Pair);
}

int wholeIndex(const Value& v, int fallback) {
    if (!v.valid || v.kind != ValueKind::Real || !(std::fabs(v.x) < 1e9L)) return fallback;
    return static_cast<int>(roundHalfEven(v.x));
}

bool Evaluator::workMayGoOn() {
    untilBudgetCheck_ = kStepsBetweenBudgetChecks;
    return !env_.budget || !env_.budget->exhausted();
}

bool Evaluator::spendStep() {
    if (stepsLeft_ == 0 || (--untilBudgetCheck_ <= 0 && !workMayGoOn())) {
        stepsLeft_ = 0;
        stepsSpent_ = true;
        return false;
    }
    --stepsLeft_;
    return true;
}

bool Evaluator::spendSteps(long n) {
    untilBudgetCheck_ -= n;
    if (stepsLeft_ < n || (untilBudgetCheck_ <= 0 && !workMayGoOn())) {
        stepsLeft_ = 0;
        stepsSpent_ = true;
        return false;
    }
    stepsLeft_ -= n;
    return true;
}

bool Evaluator::enter(const void* key) {
    // Outside any evaluation (a caller marking the expression it is about to evaluate) there is
    // no budget to spend yet: the evaluation it starts gets a full one.
    if (depth_ > 0 && !spendStep()) return false;
    if (active_.size() >= static_cast<std::size_t>(kMaxReferenceDepth)) return false;
    if (std::find(active_.begin(), active_.end(), key) != active_.end()) return false;
    active_.push_back(key);
    return true;
}

void Evaluator::leave() {
    active_.pop_back();
}

Value Evaluator::evaluate(const CompiledExpression& record, const Arguments& args) {
    if (record.code.empty()) return makeUndefined(ValueKind::Real);
    Arguments a = args;
    return snap(run(codeOf(record), a));
}

Value Evaluator::pop(std::size_t base) {
    if (stack_.size() <= base) return makeUndefined(ValueKind::Real);
    const Value v = stack_.back();
    stack_.pop_back();
    return v;
}

Value Evaluator::run(const CodeView& c, Arguments& args, const Value* operands,
                     std::size_t operandCount) {
    const Evaluation evaluation(*this);
    const std::size_t base = stack_.size();
    const std::size_t loopBase = loops_.size();
    for (std::size_t i = 0; i < operandCount; ++i) push(operands[i]);
    for (std::size_t pc = 0; pc < c.code.size() && spendStep(); ++pc)
        step(c, pc, args, base, loopBase);
    // A loop left without its end still gives its bound variables back.
    while (loops_.size() > loopBase) {
        finishLoop(loops_.back(), args);
        loops_.pop_back();
    }
    const Value result = pop(base);
    stack_.resize(base);
    return stepsSpent_ ? makeUndefined(result.kind) : result;
}

void Evaluator::step(const CodeView& c, std::size_t& pc, Arguments& args, std::size_t base,
                     std::size_t loopBase) {
    const int t = c.code[pc] & 0xFF;
    if (isConstant(t)) {
        push((*c.consts)[static_cast<std::size_t>(t)]);
        return;
    }
    switch (t) {
    case Token::X:
        push(args.x);
        return;
    case Token::Y:
        push(args.y);
        return;
    case Token::Z:
        push(args.z);
        return;
    case Token::W:
        push(args.w);
        return;
    case Token::Pi:
    case Token::E:
    case Token::I:
    case Token::SZero:
    case Token::R:
        push(namedConstant(t));
        return;
    case Token::PointX:
        push(argumentPair(args.x, args.y));
        return;
    case Token::PointY:
        push(argumentPair(args.z, args.w));
        return;
    default:
        break;
    }
    if (isParameter(t)) {
        push(makeReal(env_.parameters.value(parameterIndex(t))));
    } else if (isFunctionRef(t)) {
        push(functionReference(functionRefNumber(t), args.x));
    } else if (isFigure(t)) {
        push(figureValue(figureNumber(t), 0));
    } else if (isUserFunction(t)) {
        userFunctionToken(t, base);
    } else if (isMultiArg(t)) {
        multiArgument(t, base);
    } else if (t == Token::Sum || t == Token::Product || t == Token::Igr) {
        startLoop(t, pc, args, base);
    } else if (t == Token::Cof || t == Token::Sol) {
        const std::size_t end = matchingSend(c.code, pc + 1);
        const std::string_view body = c.code.substr(pc + 1, end - pc - 1);
        const Value n = pop(base);
        // Finding the end of the body read it all: that costs its length, or nested bodies
        // would be read over and over for free.
        if (!spendSteps(static_cast<long>(body.size())))
            push(makeUndefined(ValueKind::Real));
        else
            push(t == Token::Cof ? coefficient(n, body, c) : solution(n, body, c, args));
        pc = end;
    } else if (t == Token::Send) {
        if (loops_.size() > loopBase) endOfBody(pc, args, base);
    } else if (isPostfix(t) || isOneArg(t) || isBinary(t) || isTwoArg(t)) {
        unaryOrBinary(t, base);
    }
    // Relation references and anything else push nothing.
}

void Evaluator::unaryOrBinary(int t, std::size_t base) {
    if (isPostfix(t) || isOneArg(t)) {
        const Value v = pop(base);
        const auto id = builtinOfToken(t);
        push(id ? applyUnary(*id, v, functions()) : v);
        return;
    }
    const Value b = pop(base);
    const Value a = pop(base);
    if (t == Token::PointFn) {
        // An undefined number selects no figure; k still decides the kind of the result.
        push(figureValue(isDefinedReal(a) ? a.x : 0, isDefinedReal(b) ? b.x : 0));
        return;
    }
    const auto id = builtinOfToken(t);
    push(id ? applyBinary(*id, a, b, functions()) : makeUndefined(ValueKind::Real));
}

void Evaluator::multiArgument(int t, std::size_t base) {
    const int count = std::clamp(wholeIndex(pop(base), 0), 0, 14);
    ValueArray args(static_cast<std::size_t>(count));
    for (int i = count - 1; i >= 0; --i) args[static_cast<std::size_t>(i)] = pop(base);
    const auto id = builtinOfToken(t);
    push(id ? applyMulti(*id, args, functions()) : makeUndefined(ValueKind::Real));
}

void Evaluator::userFunctionToken(int t, std::size_t base) {
    Arguments a;
    a.w = pop(base);
    a.z = pop(base);
    a.y = pop(base);
    a.x = pop(base);
    const Value order = pop(base);
    push(userFunctionCall(userFunctionNumber(t), order, a));
}

Value Evaluator::functionReference(int n, const Value& x) {
    const Evaluation evaluation(*this);
    const CompiledExpression* f = env_.document.explicitFunction(n);
    if (!f || f->code.empty() || !enter(f)) return makeUndefined(ValueKind::Real);
    const Value r = evaluate(*f, x);
    leave();
    return r;
}

Value Evaluator::figureValue(Extended nValue, Extended kValue) {
    const Evaluation evaluation(*this);
    const bool smallN = std::fabs(nValue) < 1e9L;
    const bool smallK = std::fabs(kValue) < 1e9L;
    const int n = smallN ? static_cast<int>(roundHalfEven(nValue)) : 0;
    const int k = smallK ? static_cast<int>(roundHalfEven(kValue)) : 0;
    const FigurePart which = figurePartOf(k);
    const bool component = which != FigurePart::Whole;
    const ValueKind undefinedKind = component ? ValueKind::Real : ValueKind::Pair;
    const CompiledExpression* part = env_.document.figure(n, which);
    if (!part || part->code.empty() || !enter(part)) return makeUndefined(undefinedKind);
    Value r = evaluate(*part, makeUndefined(undefinedKind));
    leave();
    if (component) return r;
    if (env_.settings.complexMode) r = toPair(r);
    return r.valid ? r : makeUndefined(ValueKind::Pair);
}

namespace {
// The components of a pair as two reals.
void splitPair(const Value p, Value& first, Value& second) {
    first = p.valid ? makeReal(p.x) : makeUndefined(ValueKind::Real);
    second = p.valid ? makeReal(p.y) : makeUndefined(ValueKind::Real);
}
} // namespace

Value Evaluator::userFunctionCall(int number, const Value& order, Arguments a) {
    const Evaluation evaluation(*this);
    if (a.x.kind == ValueKind::Pair) {
        const Value oldY = a.y;
        const Value oldZ = a.z;
        splitPair(a.x, a.x, a.y);
        a.z = oldY;
        a.w = oldZ;
    }
    if (a.z.kind == ValueKind::Pair) splitPair(a.z, a.z, a.w);
    const CompiledExpression* f = env_.document.userFunction(number);
    const int k = wholeIndex(order, -1);
    if (!f || f->code.empty() || k < 0 || k > 3) return makeUndefined(ValueKind::Real);
    if (k == 1 || k == 2) return derivative(*f, k, a);
    if (k == 3) return antiderivative(*f, a);
    if (!enter(f)) return makeUndefined(ValueKind::Real);
    const Value r = evaluate(*f, a);
    leave();
    return r;
}

} // namespace tarlix
