#pragma once
// The stack machine that runs the postfix code of a compiled expression, with the references
// to the document's other expressions, the loops and the numerical tools behind "cof", "sol"
// and the derivatives of user functions. It never fails: undefined operations give undefined
// values. References are cut when they come back to an expression still being evaluated or go
// deeper than kMaxReferenceDepth, so no definition can make it recurse forever.

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
    const std::array<Tvalue, kConstCount>* consts = nullptr;
};

inline CodeView codeOf(const CompiledExpression& record) {
    return {record.Code, &record.ConstValue};
}

// The position of the "Send" that closes the aggregate body starting at begin, or the code's
// length when there is none.
std::size_t matchingSend(std::string_view code, std::size_t begin);

class Evaluator {
public:
    explicit Evaluator(const EvalEnv& env) : env_(env) {}

    Tvalue evaluate(const CompiledExpression& record, const Arguments& args);
    Tvalue evaluate(const CompiledExpression& record, const Tvalue& x, const Tvalue& y,
                    const Tvalue& z, const Tvalue& w) {
        return evaluate(record, Arguments{x, y, z, w});
    }
    // y is the current y of parameter slot 0; z and w are 0.
    Tvalue evaluate(const CompiledExpression& record, const Tvalue& x) {
        return evaluate(record, argumentsAt(x));
    }

    // The references of the code, as the tokens evaluate them.
    Tvalue functionReference(int n, const Tvalue& x); // "y1".."y20"
    Tvalue figureValue(Extended n, Extended k);       // "P"(n, k); points are k = 0
    Tvalue userFunctionCall(int number, const Tvalue& order, Arguments args); // 1..8 f g h f1..
    Tvalue derivative(const CompiledExpression& f, int order, const Arguments& args); // 1 or 2
    Tvalue antiderivative(const CompiledExpression& f, const Arguments& args);

    // Runs a stretch of code on this machine's stack (its result not snapped). The row form
    // uses it for the parts it evaluates column by column, with operands already computed.
    Tvalue run(const CodeView& code, Arguments& args, const Tvalue* operands = nullptr,
               std::size_t operandCount = 0);

    Arguments argumentsAt(const Tvalue& x) const {
        return {x, makeReal(env_.parameters.value(0)), makeReal(0), makeReal(0)};
    }
    FunctionContext functions() const {
        return {env_.settings, env_.random, env_.view, &env_.parameters};
    }
    const EvalEnv& env() const { return env_; }

    // Enters a reference (an expression of the document, by address): false when it is
    // already being evaluated or the references go too deep, which cuts the cycle.
    bool enter(const void* key);
    void leave();

private:
    struct LoopRecord {
        int type = 0; // 0 Sum, 1 Product, 2 Igr
        int variable = 0;
        std::size_t bodyStart = 0;
        long passes = 0;
        bool boundsDefined = false;
        Extended current = 0;
        Extended end = 0;
        Extended lower = 0;
        Extended step = 0;
        Extended savedParameter = 0;
        Tvalue savedArgument;
        Tvalue accumulator;
        bool kindTaken = false;
    };

    Tvalue pop(std::size_t base);
    void push(const Tvalue& v) { stack_.push_back(v); }
    bool step(const CodeView& c, std::size_t& pc, Arguments& args, std::size_t base,
              std::size_t loopBase);
    void unaryOrBinary(int token, std::size_t base);
    void multiArgument(int token, std::size_t base);
    void userFunctionToken(int token, std::size_t base);
    void startLoop(int token, std::size_t pc, Arguments& args, std::size_t base);
    // True when the loop jumps back to its body (pc is set then).
    bool endOfBody(std::size_t& pc, Arguments& args, std::size_t base);
    bool endSumOrProduct(LoopRecord& loop, const Tvalue& v, Arguments& args);
    bool endIntegral(LoopRecord& loop, const Tvalue& v, Arguments& args);
    void finishLoop(LoopRecord& loop, Arguments& args);
    void setBound(int variable, Extended value, Arguments& args);
    Tvalue coefficient(const Tvalue& n, std::string_view body, const CodeView& c);
    Tvalue solution(const Tvalue& n, std::string_view body, const CodeView& c,
                    const Arguments& args);
    Tvalue sampleBody(std::string_view body, const CodeView& c, Arguments args, Extended t);

    const EvalEnv& env_;
    std::vector<Tvalue> stack_;
    std::vector<LoopRecord> loops_;
    std::vector<const void*> active_;
};

// "X" and "Y": the pair of two arguments, made only from two defined reals.
Tvalue argumentPair(const Tvalue& a, const Tvalue& b);

// A real parameter of the code as a whole number (n, k, orders, counts, indices); a value
// too large or not defined gives `fallback`.
int wholeIndex(const Tvalue& v, int fallback);

} // namespace tarlix
