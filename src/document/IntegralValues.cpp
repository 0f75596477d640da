#include "document/IntegralValues.h"

#include "document/DocumentEvaluator.h"
#include "document/FileLimits.h"
#include "expression/eval/NumberText.h"
#include "expression/eval/RowEvaluator.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace tarlix {

namespace {

constexpr int kPrecision = 9;
constexpr int kDecimals = 8;

// The values of an expression at every x; undefined ones (and any but reals) count as 0.
void sampleRow(RowEvaluator& rows, const CompiledExpression& e, std::span<const Value> xs,
               std::vector<Value>& scratch, std::vector<Extended>& out) {
    scratch.assign(xs.size(), Value{});
    if (!e.code.empty()) {
        RowRequest request;
        request.xs = xs;
        request.recompute = true;
        rows.evaluateRow(e, request, scratch);
    }
    out.resize(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i)
        out[i] = isDefinedReal(scratch[i]) ? scratch[i].x : 0;
}

} // namespace

IntegralLimits integralLimits(const Document& ctx) {
    DocumentEvaluator eval(ctx);
    const IntegralBounds& b = ctx.project.integralWindow.bounds;
    return {eval.realValue(b.low, 0), eval.realValue(b.high, 0)};
}

IntegralRequest integralRequestOf(const Document& ctx) {
    const IntegralWindowState& w = ctx.project.integralWindow;
    return {integralLimits(ctx), ctx.project.engine.integralPartitions, w.secondFunction,
            w.areaMode};
}

Extended simpson(std::span<const Extended> v, Extended a, Extended b) {
    const auto n = static_cast<int>(v.size()) - 1;
    Extended s = 0;
    for (int j = 0; 2 * j + 2 <= n; ++j) {
        const auto i = static_cast<std::size_t>(2 * j);
        s += (v[i] + 4 * v[i + 1] + v[i + 2]) / 6;
    }
    return (b - a) * s / n * 2;
}

IntegralTable integralTable(const Document& ctx, const IntegralRequest& r, WorkBudget* budget) {
    IntegralTable table;
    const Project& p = ctx.project;
    for (int k = 1; k <= kExplicitFunctions; ++k) {
        const EquationEntry& f = p.explicitFunctions[k];
        if (f.expr.source.empty()) continue;
        table[k].state = !r.limits.valid()     ? IntegralRowState::NoLimits
                         : f.visible           ? IntegralRowState::Computed
                                               : IntegralRowState::SwitchedOff;
    }
    if (!r.limits.valid() || !limits::validIntegralPartitions(r.partitions)) return table;

    const Extended a = *r.limits.lower;
    const Extended b = *r.limits.upper;
    const int n = r.partitions;
    std::vector<Value> xs(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) xs[static_cast<std::size_t>(i)] = makeReal((b - a) * i / n + a);

    DocumentEvaluator eval(ctx, budget);
    RowEvaluator rows(eval.evaluator());
    std::vector<Value> scratch;
    std::vector<Extended> g(xs.size(), 0);
    if (r.subtracted >= 1 && r.subtracted <= kExplicitFunctions)
        sampleRow(rows, p.explicitFunctions[r.subtracted].expr, xs, scratch, g);
    std::vector<Extended> v;
    for (int k = 1; k <= kExplicitFunctions; ++k) {
        if (table[k].state != IntegralRowState::Computed) continue;
        sampleRow(rows, p.explicitFunctions[k].expr, xs, scratch, v);
        for (std::size_t i = 0; i < v.size(); ++i) {
            v[i] -= g[i];
            if (r.areaMode) v[i] = std::fabs(v[i]);
        }
        const Extended integral = simpson(v, a, b);
        table[k].value = r.areaMode ? std::fabs(integral) : integral;
    }
    return table;
}

std::string integralRowLabel(int k) {
    return "y" + std::to_string(k);
}

std::string integralRowText(const IntegralRow& row, char decimalChar) {
    switch (row.state) {
    case IntegralRowState::Missing:
        return {};
    case IntegralRowState::NoLimits:
        return "---";
    case IntegralRowState::SwitchedOff:
        return "0";
    case IntegralRowState::Computed:
        break;
    }
    return formatFixed(row.value, kPrecision, kDecimals, decimalChar);
}

std::optional<int> partitionsFromText(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const auto last = text.find_last_not_of(' ');
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    int n = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, n);
    if (ec != std::errc() || ptr != end || !limits::validIntegralPartitions(n))
        return std::nullopt;
    return n;
}

} // namespace tarlix
