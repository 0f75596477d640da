#pragma once
// The expression evaluator behind function plotting: single values through the stack machine,
// rows through the row form, which reads figure positions and the rows of referenced functions
// from the view's caches (and fills those that are out of date).

#include "expression/eval/Evaluator.h"
#include "expression/eval/RowEvaluator.h"
#include "render/explicit/FunctionSampler.h"
#include "view/View.h"

namespace tarlix {

class EvaluatorSampler : public FunctionSampler {
public:
    EvaluatorSampler(Evaluator& evaluator, View& view)
        : evaluator_(evaluator),
          rows_(evaluator, rowCachesOf(view.positions, view.functionSamples, view.xSamples)) {}

    Value valueAt(int n, const EquationEntry& f, const Value& x) override;
    void fillRow(int n, const EquationEntry& f, const ColumnSamples& xs, int lo, int hi,
                 ColumnSamples& out) override;

private:
    Evaluator& evaluator_;
    RowEvaluator rows_;
};

} // namespace tarlix
