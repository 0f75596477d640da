#include "expression/eval/TokenBuiltins.h"

#include "expression/Vocabulary.h"

#include <array>

namespace tarlix {

namespace {
struct TokenTable {
    std::array<std::optional<Builtin>, 256> entries{};
    TokenTable() {
        const EngineSettings plain;
        for (int t = kFirstNamedToken; t <= kLastNamedToken; ++t) {
            if (t == Token::PointFn) continue;
            BuiltinArity arity;
            if (isBinary(t) || isTwoArg(t))
                arity = BuiltinArity::Binary;
            else if (isPostfix(t) || isOneArg(t))
                arity = BuiltinArity::Unary;
            else if (isMultiArg(t))
                arity = BuiltinArity::Multi;
            else
                continue;
            entries[static_cast<std::size_t>(t)] = findBuiltin(tokenName(t, plain), arity);
        }
    }
};
} // namespace

std::optional<Builtin> builtinOfToken(int token) {
    static const TokenTable table;
    if (token < 0 || token > 255) return std::nullopt;
    return table.entries[static_cast<std::size_t>(token)];
}

} // namespace tarlix
