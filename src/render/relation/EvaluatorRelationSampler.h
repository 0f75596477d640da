#pragma once
// The expression evaluator behind a relation scan: a compiled part f(x, y) evaluated over a
// row of x for one y by the row form (y is read from parameter slot 0, as integrals and hit
// tests leave it), and at single points by the stack machine.

#include "expression/ExpressionRecords.h"
#include "expression/eval/Evaluator.h"
#include "expression/eval/RowEvaluator.h"
#include "render/relation/RelationSampler.h"

#include <vector>

namespace tarlix {

class EvaluatorRelationSampler final : public RelationSampler {
public:
    // The part must outlive the sampler.
    EvaluatorRelationSampler(Evaluator& evaluator, const CompiledExpression& part)
        : evaluator_(evaluator), rows_(evaluator), part_(part) {}

    void evaluateRow(Extended y, const Extended* xs, int count, Value* out) override;
    Value evaluate(Extended x, Extended y) override;

private:
    // Puts y into slot 0 for one evaluation and gives the slot its value back afterwards.
    class YSlot {
    public:
        YSlot(Evaluator& e, Extended y) : slot_(e.env().parameters.value(0)), saved_(slot_) {
            slot_ = y;
        }
        ~YSlot() { slot_ = saved_; }
        YSlot(const YSlot&) = delete;
        YSlot& operator=(const YSlot&) = delete;

    private:
        Extended& slot_;
        Extended saved_;
    };

    Evaluator& evaluator_;
    RowEvaluator rows_;
    const CompiledExpression& part_;
    std::vector<Extended> columns_; // the columns of the last row
    std::vector<Value> xs_;         // and as values
};

} // namespace tarlix
