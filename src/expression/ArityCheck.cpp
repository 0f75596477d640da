// The stack simulation that finds missing and surplus operands in compiled code.
#include "expression/CompileMessages.h"
#include "expression/Compiler.h"
#include "expression/Vocabulary.h"

#include <algorithm>
#include <cmath>

namespace tarlix {

int argumentsTaken(int function, int count) {
    const int c = std::min(count, 14);
    switch (function) {
    case Token::Det:
    case Token::Mid:
        return c > 3 ? 4 : 2;
    case Token::Len:
        return c > 3 ? 4 : (c < 2 ? 1 : 2);
    case Token::Rot:
        return c < 3 ? c : 3;
    case Token::Ptan:
    case Token::Perp:
        return c < 3 ? 2 : 3;
    case Token::Intr:
        return 4;
    case Token::Ccentr:
    case Token::Icentr:
    case Token::Hcentr:
    case Token::Crad:
    case Token::Irad:
    case Token::Rgb:
    case Token::Hsl:
        return 3;
    case Token::Solut4:
        return c < 6 ? 5 : 6;
    case Token::Proj:
    case Token::Projz:
        return c > 6 ? 6 : (c <= 3 ? 4 : c);
    case Token::Bezier:
        return std::clamp(c, 3, 5);
    default:
        return c;
    }
}

namespace {
struct CountStack {
    int depth = 0;
    bool underflow = false;
    void pop(int n) {
        for (int k = 0; k < n; ++k) {
            if (depth == 0)
                underflow = true;
            else
                --depth;
        }
    }
    void push() { ++depth; }
};

int countBefore(const CompiledExpression& record, std::size_t i) {
    if (i == 0 || !isConstant(code(record.code[i - 1]))) return 0;
    const Value& v = record.constValue[code(record.code[i - 1])];
    if (!v.isValid() || std::isnan(v.x)) return 0;
    // The count can be a typed number of any size; past a billion every count acts the same.
    return static_cast<int>(std::clamp<Extended>(v.x, -1e9L, 1e9L));
}
} // namespace

bool arityCheck(const CompiledExpression& record, MessageBox& messages) {
    CountStack s;
    for (std::size_t i = 0; i < record.code.size(); ++i) {
        const int c = code(record.code[i]);
        if (isConstant(c) || isVariable(c) || isReference(c) || isPoint(c)) {
            s.push();
        } else if (isOneArg(c) || isPostfix(c) || c == Token::Send) {
            s.pop(1);
            s.push();
        } else if (isBinary(c) || isTwoArg(c)) {
            s.pop(2);
            s.push();
        } else if (isUserFunction(c)) {
            s.pop(5);
            s.push();
        } else if (c == Token::Sum || c == Token::Product || c == Token::Igr) {
            s.pop(3);
        } else if (c == Token::Cof || c == Token::Sol) {
            s.pop(1);
        } else if (isMultiArg(c)) {
            s.pop(1);
            s.pop(argumentsTaken(c, countBefore(record, i)));
            s.push();
        }
    }
    s.pop(1);
    if (s.underflow) messages.show(msg::kTooFewArguments, MessageKind::Error, false);
    if (s.depth > 0) messages.show(msg::kTooManyArguments, MessageKind::Error, false);
    return !s.underflow && s.depth == 0;
}

} // namespace tarlix
