#pragma once
// The expressions of the document that other expressions refer to: explicit functions y1..y20,
// relations C1..C9, user functions f g h f1..f5 and the four expressions of figures 1..22.
// The project model provides them; ExpressionTable is a plain in-memory form for tests and the
// headless tool.

#include "expression/ExpressionRecords.h"

#include <array>

namespace tarlix {

constexpr int kExplicitFunctions = 20;
constexpr int kRelations = 9;
constexpr int kUserFunctions = 8;
constexpr int kFigures = 22;

class DocumentExpressions {
public:
    virtual ~DocumentExpressions() = default;
    // Each returns nullptr for a number out of range (or a slot that holds nothing).
    virtual const CompiledExpression* explicitFunction(int n) const = 0; // y1..y20
    virtual const CompiledExpression* relation(int n) const = 0;         // C1..C9
    virtual const CompiledExpression* userFunction(int n) const = 0;     // 1..8: f g h f1..f5
    virtual const CompiledExpression* figure(int n, FigurePart part) const = 0; // 1..22
};

class ExpressionTable : public DocumentExpressions {
public:
    struct Figure : FigureExpressions {
        bool defined = false; // an undefined slot refers to nothing
    };
    std::array<CompiledExpression, kExplicitFunctions> explicitFunctions;
    std::array<CompiledExpression, kRelations> relations;
    std::array<CompiledExpression, kUserFunctions> userFunctions;
    std::array<Figure, kFigures> figures;

    const CompiledExpression* explicitFunction(int n) const override {
        return inRange(n, kExplicitFunctions) ? &explicitFunctions[index(n)] : nullptr;
    }
    const CompiledExpression* relation(int n) const override {
        return inRange(n, kRelations) ? &relations[index(n)] : nullptr;
    }
    const CompiledExpression* userFunction(int n) const override {
        return inRange(n, kUserFunctions) ? &userFunctions[index(n)] : nullptr;
    }
    const CompiledExpression* figure(int n, FigurePart part) const override {
        if (!inRange(n, kFigures) || !figures[index(n)].defined) return nullptr;
        return &figures[index(n)].part(part);
    }

private:
    static bool inRange(int n, int count) { return n >= 1 && n <= count; }
    static std::size_t index(int n) { return static_cast<std::size_t>(n - 1); }
};

} // namespace tarlix
