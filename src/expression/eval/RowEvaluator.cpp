#include "expression/eval/RowEvaluator.h"

#include "expression/References.h"
#include "expression/Vocabulary.h"
#include "expression/eval/RowKernels.h"
#include "expression/eval/RowSums.h"
#include "expression/eval/TokenBuiltins.h"
#include "expression/functions/Angles.h"
#include "expression/functions/WholeNumber.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

bool codeReadsArguments(std::string_view code) {
    for (char ch : code) {
        const int t = ch & 0xFF;
        if (t == Token::X || t == Token::Y || t == Token::Z || t == Token::W ||
            t == Token::PointX || t == Token::PointY || isFunctionRef(t))
            return true;
    }
    return false;
}

bool sinAndCosOfOneArgument(std::string_view code) {
    if (code.find(tokenChar(Token::Sin)) == std::string_view::npos ||
        code.find(tokenChar(Token::Cos)) == std::string_view::npos)
        return false;
    // Where the operand ending at each token begins, for the tokens whose operands are known.
    std::vector<std::size_t> starts;
    std::vector<std::string_view> sines, cosines;
    for (std::size_t pc = 0; pc < code.size(); ++pc) {
        const int t = code[pc] & 0xFF;
        if (isConstant(t) || t == Token::X || t == Token::Y || t == Token::Z || t == Token::W ||
            t == Token::Pi || t == Token::E || t == Token::I || t == Token::PointX ||
            t == Token::PointY || isParameter(t) || isFunctionRef(t) || isFigure(t)) {
            starts.push_back(pc);
        } else if ((isPostfix(t) || isOneArg(t)) && !starts.empty()) {
            const std::string_view argument = code.substr(starts.back(), pc - starts.back());
            if (t == Token::Sin) sines.push_back(argument);
            if (t == Token::Cos) cosines.push_back(argument);
        } else if ((isBinary(t) || isTwoArg(t)) && starts.size() >= 2) {
            starts.pop_back();
        } else {
            return false; // an operand count not known here: each is worked out on its own
        }
    }
    for (std::string_view s : sines)
        if (std::find(cosines.begin(), cosines.end(), s) != cosines.end()) return true;
    return false;
}

RowViewCaches rowCachesOf(Store<FigurePosition, figureCount>& positions,
                          Store<FunctionSamples, functionCount>& functionRows,
                          const ColumnSamples& xSamples) {
    return {&positions, &functionRows, &xSamples};
}

Row& RowEvaluator::newRow() {
    if (poolTop_ == pool_.size()) pool_.push_back(std::make_unique<Row>());
    Row& row = *pool_[poolTop_++];
    row.resize(n_);
    row.allReal = true; // until a column holds something else
    return row;
}

void RowEvaluator::evaluateRow(const CompiledExpression& record, const RowRequest& request,
                               std::span<Value> out) {
    const Evaluator::Evaluation evaluation(scalar_);
    request_ = request;
    n_ = std::min(request.xs.size(), out.size());
    columnSteps_.assign(n_, scalar_.newAccount());
    rowValues(record, out);
    const bool rowSpent = scalar_.stepsSpent();
    for (std::size_t i = 0; i < n_; ++i)
        if (rowSpent || columnSteps_[i].spent) out[i] = makeUndefined(out[i].kind);
}

void RowEvaluator::rowValues(const CompiledExpression& record, std::span<Value> out) {
    const RowRequest& request = request_;
    poolTop_ = 0;
    pendingTrig_.clear();
    pairTrigonometry_ = sinAndCosOfOneArgument(record.code);
    if (request_.varying.size() < n_) request_.varyingParameter = 0;
    if (request_.varyingParameter != 0) varyingRow_ = RowView::of(request_.varying.data(), n_);
    if (record.code.empty()) {
        std::fill(out.begin(), out.end(), makeUndefined(ValueKind::Real));
        return;
    }
    if (request_.varyingParameter == 0 && !codeReadsArguments(record.code)) {
        const Value x = n_ > 0 ? request.xs[0] : makeUndefined(ValueKind::Real);
        std::fill(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(n_),
                  scalar_.evaluate(record, x));
        return;
    }
    if (request_.varyingParameter == 0 && sumRow(record, out)) return;
    const Arguments4 args{RowView::of(request.xs.data(), n_),
                          RowView::same(makeReal(scalar_.env().parameters.value(0))),
                          RowView::same(makeReal(0)), RowView::same(makeReal(0))};
    std::vector<RowView> stack;
    if (runTokens(codeOf(record), args, stack)) {
        const RowView top =
            stack.empty() ? RowView::same(makeUndefined(ValueKind::Real)) : stack.back();
        for (std::size_t i = 0; i < n_; ++i) out[i] = snapQuick(top.get(i));
        return;
    }
    Row& result = newRow();
    scalarColumns(codeOf(record), args, result);
    for (std::size_t i = 0; i < n_; ++i) out[i] = result.get(i);
}

// Sums of simple terms in x take the fused loop; the blocks it leaves go column by column
// through the stack machine.
bool RowEvaluator::sumRow(const CompiledExpression& record, std::span<Value> out) {
    auto sum = RowSum::of(codeOf(record), scalar_);
    if (!sum) return false;
    const auto left = sum->evaluate(request_.xs.first(n_), out.first(n_));
    for (const auto& [begin, end] : left)
        for (std::size_t i = begin; i < end; ++i) {
            const Evaluator::SeparateEvaluation column(scalar_, columnSteps_[i]);
            out[i] = scalar_.evaluate(record, request_.xs[i]);
        }
    return true;
}

bool RowEvaluator::runRow(const CodeView& code, const Arguments4& args, Row& out) {
    std::vector<RowView> stack;
    if (!runTokens(code, args, stack)) return false;
    const RowView top =
        stack.empty() ? RowView::same(makeUndefined(ValueKind::Real)) : stack.back();
    for (std::size_t i = 0; i < n_; ++i) out.set(i, snapQuick(top.get(i)));
    return true;
}

void RowEvaluator::scalarColumns(const CodeView& code, const Arguments4& args, Row& out) {
    for (std::size_t i = 0; i < n_; ++i) {
        Arguments a = columnArguments(args, i);
        const Extended saved = enterColumn(i);
        const Evaluator::SeparateEvaluation column(scalar_, columnSteps_[i]);
        const Value v = snap(scalar_.run(code, a));
        leaveColumn(saved);
        out.set(i, v);
    }
}

Arguments RowEvaluator::columnArguments(const Arguments4& args, std::size_t i) const {
    return {args.x.get(i), args.y.get(i), args.z.get(i), args.w.get(i)};
}

Extended RowEvaluator::enterColumn(std::size_t i) {
    if (request_.varyingParameter == 0) return 0;
    Extended& slot = scalar_.env().parameters.value(request_.varyingParameter);
    const Extended saved = slot;
    slot = request_.varying[i].x;
    return saved;
}

void RowEvaluator::leaveColumn(Extended saved) {
    if (request_.varyingParameter != 0)
        scalar_.env().parameters.value(request_.varyingParameter) = saved;
}

bool RowEvaluator::trigonometryRow(Builtin id, const RowView& a, std::vector<RowView>& stack) {
    if (!pairTrigonometry_ || (id != Builtin::Sin && id != Builtin::Cos)) return false;
    for (const PendingTrig& p : pendingTrig_) {
        if (p.builtin == id && p.x == a.x && p.valid == a.valid && p.stride == a.stride) {
            stack.push_back(RowView::of(*p.row));
            return true;
        }
    }
    Row& sine = newRow();
    Row& cosine = newRow();
    sinCosRow(a, sine, cosine, n_, scalar_.functions());
    const bool sin = id == Builtin::Sin;
    pendingTrig_.push_back(
        {a.x, a.valid, a.stride, sin ? Builtin::Cos : Builtin::Sin, sin ? &cosine : &sine});
    stack.push_back(RowView::of(sin ? sine : cosine));
    return true;
}

bool RowEvaluator::dependsOnVarying(const CompiledExpression& record) const {
    if (request_.varyingParameter == 0) return false;
    const EvalEnv& env = scalar_.env();
    return dependsOn(Token::ParamA + request_.varyingParameter - 1, record, env.document,
                     env.settings);
}

} // namespace tarlix
