// "Sum", "Product" and "Igr": the loop records of the stack machine.
#include "expression/Vocabulary.h"
#include "expression/eval/Evaluator.h"

namespace tarlix {

namespace {
constexpr long kMaxPasses = 10000000;
} // namespace

void Evaluator::setBound(int variable, Extended value, Arguments& args) {
    if (!ParameterValues::isSlot(variable)) return;
    env_.parameters.value(variable) = value;
    if (variable == -1) args.x = makeReal(value);
    if (variable == 0) args.y = makeReal(value);
}

// The loop would give up anyway, after its last allowed pass or when its variable stops
// moving; so it gives up at once. The margin keeps the rounding of the variable's steps out of
// the decision: a loop that might end in time runs.
bool Evaluator::overlong(const LoopRecord& loop) {
    return loop.end - loop.lower >= 2 * static_cast<Extended>(kMaxPasses);
}

void Evaluator::startLoop(int token, std::size_t pc, Arguments& args, std::size_t base) {
    const Value upper = pop(base);
    const Value lower = pop(base);
    LoopRecord loop;
    loop.type = token == Token::Sum       ? LoopKind::Sum
                : token == Token::Product ? LoopKind::Product
                                          : LoopKind::Integral;
    loop.variable = wholeIndex(pop(base), -2);
    loop.bodyStart = pc + 1;
    loop.boundsDefined = lower.valid && upper.valid;
    loop.lower = lower.x;
    loop.end = upper.x;
    loop.current = loop.boundsDefined || loop.type == LoopKind::Integral ? lower.x : upper.x - 10;
    loop.overlong = loop.type != LoopKind::Integral && loop.boundsDefined && overlong(loop);
    if (loop.type == LoopKind::Integral)
        loop.step = (upper.x - lower.x) / env_.settings.integralPartitions;
    loop.accumulator = makePair(loop.type == LoopKind::Product ? 1 : 0, 0);
    if (ParameterValues::isSlot(loop.variable))
        loop.savedParameter = env_.parameters.value(loop.variable);
    loop.savedArgument = loop.variable == -1 ? args.x : args.y;
    setBound(loop.variable, loop.current, args);
    loops_.push_back(loop);
}

bool Evaluator::endOfBody(std::size_t& pc, Arguments& args, std::size_t base) {
    LoopRecord& loop = loops_.back();
    const Value v = pop(base);
    const bool again = loop.type == LoopKind::Integral ? endIntegral(loop, v, args)
                                                       : endSumOrProduct(loop, v, args);
    if (again) {
        pc = loop.bodyStart - 1;
        return true;
    }
    push(loop.accumulator);
    finishLoop(loop, args);
    loops_.pop_back();
    return false;
}

bool Evaluator::endSumOrProduct(LoopRecord& loop, const Value& v, Arguments& args) {
    if (!loop.kindTaken) {
        loop.accumulator.kind = v.kind;
        loop.kindTaken = true;
    }
    if (!loop.boundsDefined || loop.overlong) {
        loop.accumulator = makeUndefined(loop.accumulator.kind);
        return false;
    }
    if (!(loop.current <= loop.end)) return false;
    const EngineSettings& s = env_.settings;
    loop.accumulator = loop.type == LoopKind::Sum ? addValues(loop.accumulator, v, s)
                                                  : multiplyValues(loop.accumulator, v, s);
    const Extended next = loop.current + 1;
    // A bound variable that no longer moves, or a loop without end in sight, gives up.
    if (next == loop.current || ++loop.passes >= kMaxPasses) {
        loop.accumulator = makeUndefined(loop.accumulator.kind);
        return false;
    }
    loop.current = next;
    setBound(loop.variable, loop.current, args);
    return loop.current <= loop.end;
}

bool Evaluator::endIntegral(LoopRecord& loop, const Value& v, Arguments& args) {
    const int n = env_.settings.integralPartitions;
    if (!loop.kindTaken) {
        loop.accumulator.kind = v.kind == ValueKind::Pair ? ValueKind::Pair : ValueKind::Real;
        loop.kindTaken = true;
    }
    if (!loop.boundsDefined) {
        loop.accumulator = makeUndefined(v.kind);
        return false;
    }
    const long j = loop.passes;
    if (v.valid && (v.kind == ValueKind::Real || v.kind == ValueKind::Pair)) {
        Value& acc = loop.accumulator;
        if (j == 0 || j == n) {
            acc.x += v.x;
            acc.y += v.y;
        } else if (j % 2 == 1) {
            acc.x += 4 * v.x;
            acc.y += 4 * v.y;
        } else {
            acc.x += v.x + v.x;
            acc.y += v.y + v.y;
        }
    }
    loop.passes = j + 1;
    setBound(loop.variable, loop.lower + static_cast<Extended>(j + 1) * loop.step, args);
    if (loop.passes <= n) return true;
    const Extended factor = loop.step / 3;
    Value& acc = loop.accumulator;
    acc = checkRange(Value{acc.kind, factor * acc.x, factor * acc.y, 1});
    return false;
}

// Gives the bound variable its value back. An integral over x or y leaves the last value it
// wrote in the table's slot of x or y; only the argument is restored.
void Evaluator::finishLoop(LoopRecord& loop, Arguments& args) {
    if (loop.variable >= 1 && loop.variable <= ParameterValues::lastSlot)
        env_.parameters.value(loop.variable) = loop.savedParameter;
    if (loop.variable == -1) args.x = loop.savedArgument;
    if (loop.variable == 0) args.y = loop.savedArgument;
}

} // namespace tarlix
