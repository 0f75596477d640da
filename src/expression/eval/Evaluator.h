#pragma once
// The stack machine that runs the postfix code of a compiled expression, with the references
// to the document's other expressions, the loops and the numerical tools behind "cof", "sol"
// and the derivatives of user functions. It never fails: undefined operations give undefined
// values. References are cut when they come back to an expression still being evaluated or go
// deeper than kMaxReferenceDepth, so no definition can make it recurse forever. Nor can
// loops, samples and references nested in one another run for long: one evaluation has a
// budget of steps, shared by everything it runs however deep, and is undefined once it is
// spent.

#include "expression/ExpressionRecords.h"
#include "expression/eval/EvalEnv.h"
#include "expression/functions/Builtins.h"
#include "expression/functions/Operators.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace tarlix {

// A stretch of postfix code with the constant table it reads.
struct CodeView {
    std::string_view code;
    const std::array<Value, kConstCount>* consts = nullptr;
};

inline CodeView codeOf(const CompiledExpression& record) {
    return {record.code, &record.constValue};
}

// The position of the "Send" that closes the aggregate body starting at begin, or the code's
// length when there is none.
std::size_t matchingSend(std::string_view code, std::size_t begin);

// The steps one evaluation may take, counted across nesting: a step is one token of code run,
// so every pass of "Sum", "Product" and "Igr" (its body and the token that ends it), every
// sample that "cof", "sol", a derivative or an antiderivative takes, and every reference
// followed costs the tokens it runs (a reference at least one). A step costs about the same
// whatever the token, some 30 ns at full optimisation, so no evaluation takes much more than
// half a second. A single loop still makes the most passes a loop may make over a body of one
// token ("k"); longer bodies get proportionally fewer, and loops inside loops soon run out.
inline constexpr long kEvaluationSteps = 21000000;
// How often the budget of the whole work is asked: a few milliseconds of steps, so that a key
// that stops a redraw is seen at once and asking costs nothing noticeable.
inline constexpr long kStepsBetweenBudgetChecks = 1L << 16;

class Evaluator {
public:
    explicit Evaluator(const EvalEnv& env) : env_(env) {}

    // One evaluation while it lasts. The outermost starts a fresh budget of steps; one opened
    // inside another shares the budget of the one it is part of.
    class Evaluation {
    public:
        explicit Evaluation(Evaluator& e) : e_(e) {
            if (e_.depth_++ == 0) e_.refillSteps();
        }
        ~Evaluation() { --e_.depth_; }
        Evaluation(const Evaluation&) = delete;
        Evaluation& operator=(const Evaluation&) = delete;

    private:
        Evaluator& e_;
    };
    // What one evaluation has left of its budget, kept while it is worked out in parts (the
    // column of a row, whose sums, cof and references the row hands over one at a time).
    struct StepAccount {
        long left = kEvaluationSteps;
        bool spent = false;
    };
    // A part of a value worked out for itself in the midst of another evaluation: it draws on
    // the account of its own value, and the evaluation around it keeps what it had left.
    class SeparateEvaluation {
    public:
        SeparateEvaluation(Evaluator& e, StepAccount& account)
            : e_(e), account_(account), depth_(e.depth_), stepsLeft_(e.stepsLeft_),
              spent_(e.stepsSpent_) {
            e_.depth_ = 1;
            e_.stepsLeft_ = e.workStopped() ? 0 : account.left;
            e_.stepsSpent_ = account.spent;
        }
        ~SeparateEvaluation() {
            account_.left = e_.stepsLeft_;
            account_.spent = e_.stepsSpent_;
            e_.depth_ = depth_;
            e_.stepsLeft_ = stepsLeft_;
            e_.stepsSpent_ = spent_;
        }
        SeparateEvaluation(const SeparateEvaluation&) = delete;
        SeparateEvaluation& operator=(const SeparateEvaluation&) = delete;

    private:
        Evaluator& e_;
        StepAccount& account_;
        int depth_;
        long stepsLeft_;
        bool spent_;
    };
    // A full account for a value to be worked out in parts.
    StepAccount newAccount() const { return {workStopped() ? 0 : stepBudget_, false}; }
    // True once the evaluation under way has asked for a step beyond its budget: its value is
    // undefined then.
    bool stepsSpent() const { return stepsSpent_; }
    // Takes one step of the budget: false when none is left.
    bool spendStep();
    // Lowers (or raises) the budget of the evaluations that start from now on; a harness that
    // runs thousands of evaluations a second under sanitizers cuts them sooner.
    void setStepBudget(long steps) { stepBudget_ = steps; }

    Value evaluate(const CompiledExpression& record, const Arguments& args);
    Value evaluate(const CompiledExpression& record, const Value& x, const Value& y, const Value& z,
                   const Value& w) {
        return evaluate(record, Arguments{x, y, z, w});
    }
    // y is the current y of parameter slot 0; z and w are 0.
    Value evaluate(const CompiledExpression& record, const Value& x) {
        return evaluate(record, argumentsAt(x));
    }

    // The references of the code, as the tokens evaluate them.
    Value functionReference(int n, const Value& x); // "y1".."y20"
    Value figureValue(Extended n, Extended k);      // "P"(n, k); points are k = 0
    Value figureValue(int n, FigurePart part) {
        return figureValue(n, static_cast<Extended>(part));
    }
    Value userFunctionCall(int number, const Value& order, Arguments args); // 1..8 f g h f1..
    Value derivative(const CompiledExpression& f, int order, const Arguments& args); // 1 or 2
    Value antiderivative(const CompiledExpression& f, const Arguments& args);

    // Runs a stretch of code on this machine's stack (its result not snapped). The row form
    // uses it for the parts it evaluates column by column, with operands already computed.
    Value run(const CodeView& code, Arguments& args, const Value* operands = nullptr,
              std::size_t operandCount = 0);

    Arguments argumentsAt(const Value& x) const {
        return {x, makeReal(env_.parameters.value(0)), makeReal(0), makeReal(0)};
    }
    FunctionContext functions() const {
        return {env_.settings, env_.random, env_.view, &env_.parameters};
    }
    const EvalEnv& env() const { return env_; }

    // Enters a reference (an expression of the document, by address): false when it is
    // already being evaluated or the references go too deep, which cuts the cycle, or when
    // the evaluation has no step left.
    bool enter(const void* key);
    void leave();

private:
    enum class LoopKind { Sum, Product, Integral };
    struct LoopRecord {
        LoopKind type = LoopKind::Sum;
        int variable = 0;
        std::size_t bodyStart = 0;
        long passes = 0;
        bool boundsDefined = false;
        Extended current = 0;
        Extended end = 0;
        Extended lower = 0;
        Extended step = 0;
        Extended savedParameter = 0;
        Value savedArgument;
        Value accumulator;
        bool kindTaken = false;
        bool overlong = false; // undefined after the pass that sets the result's kind
    };

    bool spendSteps(long n);
    void refillSteps() {
        stepsLeft_ = workStopped() ? 0 : stepBudget_;
        stepsSpent_ = false;
    }
    // Whether the work around the evaluation has been told to stop; asked afresh every
    // kStepsBetweenBudgetChecks steps, counted across evaluations.
    bool workStopped() const { return env_.budget && env_.budget->ranOut(); }
    bool workMayGoOn();
    // A loop whose bounds ask for more passes than a loop may make.
    static bool overlong(const LoopRecord& loop);

    Value pop(std::size_t base);
    void push(const Value& v) { stack_.push_back(v); }
    // One token; pc moves on to the last token it used.
    void step(const CodeView& c, std::size_t& pc, Arguments& args, std::size_t base,
              std::size_t loopBase);
    void unaryOrBinary(int token, std::size_t base);
    void multiArgument(int token, std::size_t base);
    void userFunctionToken(int token, std::size_t base);
    void startLoop(int token, std::size_t pc, Arguments& args, std::size_t base);
    // True when the loop jumps back to its body (pc is set then).
    bool endOfBody(std::size_t& pc, Arguments& args, std::size_t base);
    bool endSumOrProduct(LoopRecord& loop, const Value& v, Arguments& args);
    bool endIntegral(LoopRecord& loop, const Value& v, Arguments& args);
    void finishLoop(LoopRecord& loop, Arguments& args);
    void setBound(int variable, Extended value, Arguments& args);
    Value coefficient(const Value& n, std::string_view body, const CodeView& c);
    Value solution(const Value& n, std::string_view body, const CodeView& c, const Arguments& args);
    Value sampleBody(std::string_view body, const CodeView& c, Arguments args, Extended t);

    const EvalEnv& env_;
    std::vector<Value> stack_;
    std::vector<LoopRecord> loops_;
    std::vector<const void*> active_;
    int depth_ = 0;
    long stepBudget_ = kEvaluationSteps;
    long stepsLeft_ = kEvaluationSteps;
    bool stepsSpent_ = false;
    long untilBudgetCheck_ = kStepsBetweenBudgetChecks;
};

// True for the tokens that stand for one value of their own: pi, e, i, signed zero and "r".
bool isNamedConstant(int token);
// The value of such a token ("r" has none of its own: undefined).
Value namedConstant(int token);

// "X" and "Y": the pair of two arguments, made only from two defined reals.
Value argumentPair(const Value& a, const Value& b);

// A real parameter of the code as a whole number (n, k, orders, counts, indices); a value
// too large or not defined gives `fallback`.
int wholeIndex(const Value& v, int fallback);

} // namespace tarlix
