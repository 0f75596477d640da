#pragma once
// The explicit functions of a function store seen as the document's expressions, for callers
// that have only functions (the headless tool, tests): relations, user functions and figures
// are absent.

#include "expression/DocumentExpressions.h"
#include "render/explicit/FunctionSamples.h"

namespace tarlix {

class StoreExpressions : public DocumentExpressions {
public:
    explicit StoreExpressions(const ExplicitFunctionStore& functions) : functions_(functions) {}

    const CompiledExpression* explicitFunction(int n) const override {
        return n >= 1 && n <= functionCount ? &functions_[n].expr : nullptr;
    }
    const CompiledExpression* relation(int) const override { return nullptr; }
    const CompiledExpression* userFunction(int) const override { return nullptr; }
    const CompiledExpression* figure(int, FigurePart) const override { return nullptr; }

private:
    const ExplicitFunctionStore& functions_;
};

} // namespace tarlix
