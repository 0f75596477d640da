// The tokens of the row form: each one applied to the whole row at once.
#include "expression/References.h"
#include "expression/Vocabulary.h"
#include "expression/eval/RowEvaluator.h"
#include "expression/eval/RowKernels.h"
#include "expression/eval/TokenBuiltins.h"
#include "expression/functions/Angles.h"
#include "expression/functions/WholeNumber.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {
RowView popView(std::vector<RowView>& stack) {
    if (stack.empty()) return RowView::same(makeUndefined(ValueKind::Real));
    const RowView v = stack.back();
    stack.pop_back();
    return v;
}

// The last count views of the stack in stack order (the first one deepest).
std::vector<RowView> popViews(std::vector<RowView>& stack, std::size_t count) {
    std::vector<RowView> views(count);
    for (std::size_t i = count; i-- > 0;) views[i] = popView(stack);
    return views;
}
} // namespace

bool RowEvaluator::runTokens(const CodeView& code, const Arguments4& args,
                             std::vector<RowView>& stack) {
    // A row whose budget runs out is undefined as a whole, whatever is left on the stack.
    for (std::size_t pc = 0; pc < code.code.size() && scalar_.spendStep(); ++pc)
        if (!runToken(code, pc, args, stack)) return false;
    return true;
}

bool RowEvaluator::runToken(const CodeView& code, std::size_t& pc, const Arguments4& args,
                            std::vector<RowView>& stack) {
    const int t = code.code[pc] & 0xFF;
    if (isConstant(t)) {
        stack.push_back(RowView::same((*code.consts)[static_cast<std::size_t>(t)]));
    } else if (t == Token::X || t == Token::Y || t == Token::Z || t == Token::W) {
        stack.push_back(t == Token::X   ? args.x
                        : t == Token::Y ? args.y
                        : t == Token::Z ? args.z
                                        : args.w);
    } else if (isNamedConstant(t)) {
        stack.push_back(RowView::same(namedConstant(t)));
    } else if (t == Token::PointX || t == Token::PointY) {
        stack.push_back(t == Token::PointX ? pointRow(args.x, args.y) : pointRow(args.z, args.w));
    } else if (isParameter(t)) {
        stack.push_back(parameterRow(parameterIndex(t)));
    } else if (isFunctionRef(t)) {
        stack.push_back(functionReference(functionRefNumber(t), args));
    } else if (isFigure(t)) {
        stack.push_back(
            figureReference(RowView::same(makeReal(figureNumber(t))), RowView::same(makeReal(0))));
    } else if (isUserFunction(t)) {
        const std::vector<RowView> operands = popViews(stack, 5);
        stack.push_back(userFunction(userFunctionNumber(t), operands));
    } else if (isMultiArg(t)) {
        return multiArgument(t, stack);
    } else if (isAggregate(t)) {
        aggregate(code, pc, args, stack);
    } else if (isPostfix(t) || isOneArg(t)) {
        unary(t, stack);
    } else if (isBinary(t) || isTwoArg(t)) {
        binary(t, stack);
    }
    // "Send" outside an aggregate, relation references and the rest push nothing.
    return true;
}

RowView RowEvaluator::pointRow(const RowView& a, const RowView& b) {
    Row& out = newRow();
    for (std::size_t i = 0; i < n_; ++i) out.set(i, argumentPair(a.get(i), b.get(i)));
    return RowView::of(out);
}

RowView RowEvaluator::parameterRow(int k) {
    if (k != request_.varyingParameter)
        return RowView::same(makeReal(scalar_.env().parameters.value(k)));
    return varyingRow_;
}

bool RowEvaluator::multiArgument(int t, std::vector<RowView>& stack) {
    const RowView countView = popView(stack);
    // The compiler always writes the count as a constant; anything else is left to the stack
    // machine, column by column.
    if (!countView.isConstant()) return false;
    const int count = std::clamp(wholeIndex(countView.get(0), 0), 0, 14);
    const std::vector<RowView> operands = popViews(stack, static_cast<std::size_t>(count));
    const auto id = builtinOfToken(t);
    const FunctionContext context = scalar_.functions();
    Row& out = newRow();
    ValueArray values(operands.size());
    for (std::size_t i = 0; i < n_; ++i) {
        for (std::size_t j = 0; j < operands.size(); ++j) values[j] = operands[j].get(i);
        out.set(i, id ? applyMulti(*id, values, context) : makeUndefined(ValueKind::Real));
    }
    stack.push_back(RowView::of(out));
    return true;
}

void RowEvaluator::aggregate(const CodeView& code, std::size_t& pc, const Arguments4& args,
                             std::vector<RowView>& stack) {
    const int t = code.code[pc] & 0xFF;
    const std::size_t end = matchingSend(code.code, pc + 1);
    const std::size_t count = t == Token::Cof || t == Token::Sol ? 1 : 3;
    const std::vector<RowView> operands = popViews(stack, count);
    Row& out = newRow();
    island(code, pc, std::min(end + 1, code.code.size()), operands, args, out);
    stack.push_back(RowView::of(out));
    pc = end;
}

void RowEvaluator::unary(int t, std::vector<RowView>& stack) {
    const RowView a = popView(stack);
    const auto id = builtinOfToken(t);
    if (!id) {
        stack.push_back(a);
        return;
    }
    const FunctionContext context = scalar_.functions();
    if (a.isConstant() && *id != Builtin::Rnd) { // one value for the whole row
        stack.push_back(RowView::same(applyUnary(*id, a.get(0), context)));
        return;
    }
    if (trigonometryRow(*id, a, stack)) return;
    Row& out = newRow();
    applyUnaryRow(*id, a, out, n_, context);
    stack.push_back(RowView::of(out));
}

void RowEvaluator::binary(int t, std::vector<RowView>& stack) {
    const RowView b = popView(stack);
    const RowView a = popView(stack);
    if (t == Token::PointFn) {
        stack.push_back(figureReference(a, b));
        return;
    }
    const auto id = builtinOfToken(t);
    const FunctionContext context = scalar_.functions();
    if (a.isConstant() && b.isConstant()) {
        stack.push_back(RowView::same(id ? applyBinary(*id, a.get(0), b.get(0), context)
                                         : makeUndefined(ValueKind::Real)));
        return;
    }
    Row& out = newRow();
    if (id)
        applyBinaryRow(*id, a, b, out, n_, context);
    else
        for (std::size_t i = 0; i < n_; ++i) out.set(i, makeUndefined(ValueKind::Real));
    stack.push_back(RowView::of(out));
}

namespace {
bool sameValue(const Value& a, const Value& b) {
    return a.kind == b.kind && a.valid == b.valid && a.x == b.x && a.y == b.y;
}
} // namespace

// Sums, products, integrals, cof and sol run on the stack machine, one column at a time,
// from their operands in that column.
void RowEvaluator::island(const CodeView& code, std::size_t begin, std::size_t end,
                          std::span<const RowView> operands, const Arguments4& args, Row& out) {
    const CodeView part{code.code.substr(begin, end - begin), code.consts};
    // "cof" samples its body at x of its own and reads no other argument, so its value depends
    // on its operand alone, unless a parameter varies along the row or the body draws random
    // numbers: a column whose operand repeats the one before takes that column's value.
    const bool operandOnly = (code.code[begin] & 0xFF) == Token::Cof &&
                             request_.varyingParameter == 0 &&
                             part.code.find(tokenChar(Token::Rnd)) == std::string_view::npos;
    std::vector<Value> values(operands.size());
    for (std::size_t i = 0; i < n_; ++i) {
        if (operandOnly && i > 0 && sameValue(operands[0].get(i), operands[0].get(i - 1))) {
            out.set(i, out.get(i - 1));
            continue;
        }
        for (std::size_t j = 0; j < operands.size(); ++j) values[j] = operands[j].get(i);
        Arguments a = columnArguments(args, i);
        const Extended saved = enterColumn(i);
        const Evaluator::SeparateEvaluation column(scalar_, columnSteps_[i]);
        out.set(i, scalar_.run(part, a, values.data(), values.size()));
        leaveColumn(saved);
    }
}

RowView RowEvaluator::functionReference(int n, const Arguments4& args) {
    const CompiledExpression* f = scalar_.env().document.explicitFunction(n);
    if (!f || f->code.empty()) return RowView::same(makeUndefined(ValueKind::Real));
    const int first = request_.firstColumn;
    const int last = first + static_cast<int>(n_) - 1;
    const bool cached = caches_.functionRows && caches_.xSamples && !request_.recompute &&
                        first >= firstSampleColumn && last <= lastSampleColumn &&
                        !dependsOnVarying(*f);
    const RowView y = RowView::same(makeReal(scalar_.env().parameters.value(0)));
    const RowView zero = RowView::same(makeReal(0));
    Row& out = newRow();
    if (cached) {
        FunctionSamples& samples = (*caches_.functionRows)[n];
        if (!samples.upToDate) {
            Row& xs = newRow();
            for (std::size_t i = 0; i < n_; ++i)
                xs.set(i, (*caches_.xSamples)[first + static_cast<int>(i)]);
            const Arguments4 sampleArgs{RowView::of(xs), y, zero, zero};
            if (scalar_.enter(f)) {
                if (!runRow(codeOf(*f), sampleArgs, out))
                    scalarColumns(codeOf(*f), sampleArgs, out);
                scalar_.leave();
            } else {
                for (std::size_t i = 0; i < n_; ++i) out.set(i, makeUndefined(ValueKind::Real));
            }
            for (std::size_t i = 0; i < n_; ++i)
                samples.samples[first + static_cast<int>(i)] = out.get(i);
            samples.upToDate = true;
        }
        for (std::size_t i = 0; i < n_; ++i)
            out.set(i, samples.samples[first + static_cast<int>(i)]);
        return RowView::of(out);
    }
    if (!scalar_.enter(f)) return RowView::same(makeUndefined(ValueKind::Real));
    const Arguments4 refArgs{args.x, y, zero, zero};
    if (!runRow(codeOf(*f), refArgs, out)) scalarColumns(codeOf(*f), refArgs, out);
    scalar_.leave();
    return RowView::of(out);
}

RowView RowEvaluator::figureReference(const RowView& nView, const RowView& kView) {
    if (!nView.isConstant() || !kView.isConstant()) {
        Row& out = newRow();
        for (std::size_t i = 0; i < n_; ++i) {
            const Value a = nView.get(i);
            const Value b = kView.get(i);
            const Extended saved = enterColumn(i);
            const Evaluator::SeparateEvaluation column(scalar_, columnSteps_[i]);
            out.set(i, scalar_.figureValue(isDefinedReal(a) ? a.x : 0, isDefinedReal(b) ? b.x : 0));
            leaveColumn(saved);
        }
        return RowView::of(out);
    }
    const Value a = nView.get(0);
    const Value b = kView.get(0);
    if (!isDefinedReal(a) || !isDefinedReal(b))
        return RowView::same(
            scalar_.figureValue(isDefinedReal(a) ? a.x : 0, isDefinedReal(b) ? b.x : 0));
    const bool small = std::fabs(a.x) < 1e9L && std::fabs(b.x) < 1e9L;
    const int n = small ? static_cast<int>(roundHalfEven(a.x)) : 0;
    const int k = small ? static_cast<int>(roundHalfEven(b.x)) : 0;
    const FigurePart which = figurePartOf(k);
    const bool component = which != FigurePart::Whole;
    const CompiledExpression* part = scalar_.env().document.figure(n, which);
    if (part && !part->code.empty() && dependsOnVarying(*part)) {
        const ValueKind undefinedKind = component ? ValueKind::Real : ValueKind::Pair;
        if (!scalar_.enter(part)) return RowView::same(makeUndefined(undefinedKind));
        const RowView x = RowView::same(makeUndefined(undefinedKind));
        const RowView y = RowView::same(makeReal(scalar_.env().parameters.value(0)));
        const RowView zero = RowView::same(makeReal(0));
        const Arguments4 partArgs{x, y, zero, zero};
        Row& out = newRow();
        if (!runRow(codeOf(*part), partArgs, out)) scalarColumns(codeOf(*part), partArgs, out);
        scalar_.leave();
        if (!component) {
            for (std::size_t i = 0; i < n_; ++i) {
                Value v = out.get(i);
                if (scalar_.env().settings.complexMode) v = toPair(v);
                out.set(i, v.valid ? v : makeUndefined(ValueKind::Pair));
            }
        }
        return RowView::of(out);
    }
    if (caches_.positions) return figureFromCaches(n, which);
    return RowView::same(scalar_.figureValue(a.x, b.x));
}

// The figure's position as the renderer last evaluated it: the point for k = 0, or its x, y
// or radius, where the figure's kind has them.
RowView RowEvaluator::figureFromCaches(int n, FigurePart part) {
    const ValueKind undefinedKind = part == FigurePart::Whole ? ValueKind::Pair : ValueKind::Real;
    if (n < 1 || n > figureCount) return RowView::same(makeUndefined(undefinedKind));
    const FigurePosition& p = (*caches_.positions)[n];
    const FigureKind kind = p.kind;
    const bool point = isPointKind(kind);
    switch (part) {
    case FigurePart::Whole:
        if (point) return RowView::same(makePair(p.x, p.y));
        break;
    case FigurePart::X:
        if (point || kind == FigureKind::VerticalLine) return RowView::same(makeReal(p.x));
        break;
    case FigurePart::Y:
        if (point || kind == FigureKind::HorizontalLine) return RowView::same(makeReal(p.y));
        break;
    case FigurePart::Radius:
        if (hasRadius(kind)) return RowView::same(makeReal(p.r));
        break;
    default:
        break;
    }
    return RowView::same(makeUndefined(undefinedKind));
}

RowView RowEvaluator::userFunction(int number, std::span<const RowView> operands) {
    const CompiledExpression* f = scalar_.env().document.userFunction(number);
    const RowView& order = operands[0];
    bool plain = f && !f->code.empty() && order.isConstant() && wholeIndex(order.get(0), -1) == 0;
    for (std::size_t i = 0; plain && i < n_; ++i)
        plain = operands[1].get(i).kind != ValueKind::Pair &&
                operands[3].get(i).kind != ValueKind::Pair;
    Row& out = newRow();
    if (plain) {
        if (!scalar_.enter(f)) return RowView::same(makeUndefined(ValueKind::Real));
        const Arguments4 callArgs{operands[1], operands[2], operands[3], operands[4]};
        if (!runRow(codeOf(*f), callArgs, out)) scalarColumns(codeOf(*f), callArgs, out);
        scalar_.leave();
        return RowView::of(out);
    }
    for (std::size_t i = 0; i < n_; ++i) {
        const Arguments a{operands[1].get(i), operands[2].get(i), operands[3].get(i),
                          operands[4].get(i)};
        const Extended saved = enterColumn(i);
        const Evaluator::SeparateEvaluation column(scalar_, columnSteps_[i]);
        out.set(i, scalar_.userFunctionCall(number, order.get(i), a));
        leaveColumn(saved);
    }
    return RowView::of(out);
}

} // namespace tarlix
