#include "render/relation/EvaluatorRelationSampler.h"

#include "expression/StoredExtended.h"

#include <cstring>
#include <span>

namespace tarlix {

namespace {

// The ten bytes of each value, the padding after them aside.
bool sameBits(const Extended* a, const Extended* b, std::size_t n) {
    if constexpr (!extendedIsX87) return std::memcmp(a, b, n * sizeof(Extended)) == 0;
    const auto* p = reinterpret_cast<const unsigned char*>(a);
    const auto* q = reinterpret_cast<const unsigned char*>(b);
    std::uint64_t differ = 0;
    for (std::size_t i = 0; i < n; ++i, p += sizeof(Extended), q += sizeof(Extended)) {
        std::uint64_t low[2];
        std::uint16_t high[2];
        std::memcpy(&low[0], p, 8);
        std::memcpy(&low[1], q, 8);
        std::memcpy(&high[0], p + 8, 2);
        std::memcpy(&high[1], q + 8, 2);
        differ |= (low[0] ^ low[1]) | std::uint16_t(high[0] ^ high[1]);
    }
    return differ == 0;
}

} // namespace

void EvaluatorRelationSampler::evaluateRow(Extended y, const Extended* xs, int count, Value* out) {
    if (count <= 0) return;
    const auto n = static_cast<std::size_t>(count);
    // A scan asks for the same columns on every row: they are converted once. The columns
    // are compared by their bits, without loading them on the x87 stack.
    if (columns_.size() != n || !sameBits(columns_.data(), xs, n)) {
        columns_.assign(xs, xs + n);
        xs_.resize(n);
        for (std::size_t i = 0; i < n; ++i) xs_[i] = makeReal(xs[i]);
    }
    YSlot slot(evaluator_, y);
    RowRequest request;
    request.xs = std::span<const Value>(xs_.data(), n);
    rows_.evaluateRow(part_, request, std::span<Value>(out, n));
}

Value EvaluatorRelationSampler::evaluate(Extended x, Extended y) {
    YSlot slot(evaluator_, y);
    return evaluator_.evaluate(part_, makeReal(x));
}

} // namespace tarlix
