#pragma once
// The row form of the evaluator: one code evaluated over a whole row of pixel columns, token
// by token, each token applied to every column. Every column gets the value the stack machine
// gives for that column's x, except where the renderer asks otherwise: a code that reads no
// argument is evaluated once, one parameter may vary along the row, and with the view's
// caches figures are read from their current positions and functions from their rows.
// What runs column by column through the stack machine is a separate evaluation for each
// column, with one budget of steps per column for all of it; the tokens and references worked
// out for the whole row share the budget of one evaluation.

#include "expression/eval/Evaluator.h"
#include "expression/eval/RowCaches.h"
#include "expression/eval/RowValues.h"

#include <memory>
#include <span>
#include <vector>

namespace tarlix {

// What the renderer keeps per view and the row form reads: figure positions, the sample rows
// of the explicit functions and the world x of every pixel column.
struct RowViewCaches {
    const Store<FigurePosition, figureCount>* positions = nullptr;
    Store<FunctionSamples, functionCount>* functionRows = nullptr;
    const ColumnSamples* xSamples = nullptr;
};

struct RowRequest {
    std::span<const Value> xs;      // x of each column
    int firstColumn = 0;            // the pixel column of xs[0], for the view's caches
    bool recompute = false;         // function references are evaluated afresh
    int varyingParameter = 0;       // 1..14, or 0 when no parameter varies
    std::span<const Value> varying; // its value in each column
};

class RowEvaluator {
public:
    explicit RowEvaluator(Evaluator& scalar, RowViewCaches caches = {})
        : scalar_(scalar), caches_(caches) {}

    // out receives one value per column of request.xs.
    void evaluateRow(const CompiledExpression& record, const RowRequest& request,
                     std::span<Value> out);

private:
    struct Arguments4 {
        RowView x, y, z, w;
    };
    // A row of the pool, kept for the rest of the current top-level call.
    Row& newRow();
    void rowValues(const CompiledExpression& record, std::span<Value> out);
    bool sumRow(const CompiledExpression& record, std::span<Value> out);
    bool runRow(const CodeView& code, const Arguments4& args, Row& out);
    // False when the code holds a token the row form leaves to the stack machine.
    bool runTokens(const CodeView& code, const Arguments4& args, std::vector<RowView>& stack);
    // One token; pc moves on to the last token it used.
    bool runToken(const CodeView& code, std::size_t& pc, const Arguments4& args,
                  std::vector<RowView>& stack);
    RowView pointRow(const RowView& a, const RowView& b);
    RowView parameterRow(int k);
    bool multiArgument(int t, std::vector<RowView>& stack);
    void aggregate(const CodeView& code, std::size_t& pc, const Arguments4& args,
                   std::vector<RowView>& stack);
    void unary(int t, std::vector<RowView>& stack);
    void binary(int t, std::vector<RowView>& stack);
    void scalarColumns(const CodeView& code, const Arguments4& args, Row& out);
    void island(const CodeView& code, std::size_t begin, std::size_t end,
                std::span<const RowView> operands, const Arguments4& args, Row& out);
    RowView functionReference(int n, const Arguments4& args);
    RowView figureReference(const RowView& nView, const RowView& kView);
    RowView figureFromCaches(int n, FigurePart part);
    RowView userFunction(int number, std::span<const RowView> operands);
    bool dependsOnVarying(const CompiledExpression& record) const;
    Arguments columnArguments(const Arguments4& args, std::size_t i) const;
    // Sets the varying parameter to its value in column i for the stack machine; returns the
    // value it had.
    Extended enterColumn(std::size_t i);
    void leaveColumn(Extended saved);

    // Sine and cosine of one row are computed together when the code takes both of the same
    // operand; the one not asked for yet waits here.
    struct PendingTrig {
        const Extended* x;
        const std::uint8_t* valid;
        std::size_t stride;
        Builtin builtin;
        const Row* row;
    };
    bool trigonometryRow(Builtin id, const RowView& a, std::vector<RowView>& stack);

    Evaluator& scalar_;
    bool pairTrigonometry_ = false;
    std::vector<PendingTrig> pendingTrig_;
    RowViewCaches caches_;
    RowRequest request_;
    RowView varyingRow_; // the varying parameter's values, read in place
    std::size_t n_ = 0;
    // Each column's budget, shared by all that the row hands to the stack machine for it.
    std::vector<Evaluator::StepAccount> columnSteps_;
    std::vector<std::unique_ptr<Row>> pool_;
    std::size_t poolTop_ = 0;
};

RowViewCaches rowCachesOf(Store<FigurePosition, figureCount>& positions,
                          Store<FunctionSamples, functionCount>& functionRows,
                          const ColumnSamples& xSamples);

// True when the code takes the sine and the cosine of one and the same operand, so that a row
// of both at once serves it.
bool sinAndCosOfOneArgument(std::string_view code);

// True when the code reads x, y, z, w, "X", "Y" or a function reference (which reads x).
bool codeReadsArguments(std::string_view code);

} // namespace tarlix
