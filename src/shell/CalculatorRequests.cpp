#include "shell/CalculatorRequests.h"

#include "document/Calculator.h"
#include "document/RowTexts.h"
#include "expression/CompileMessages.h"
#include "expression/eval/NumberText.h"
#include "expression/functions/Operators.h"
#include "platform/qt/QtText.h"

namespace tarlix {

namespace {

bool isFree(const CompiledExpression& e) {
    return e.source.find_first_not_of(' ') == std::string::npos;
}

template <class Slots, class Text> int slotFor(const Slots& store, int count, int n, Text text) {
    if (n > 0) return n;
    for (int i = 1; i <= count; ++i)
        if (isFree(text(store[i]))) return i;
    return 0;
}

QString label(const std::string& caption) {
    return toQString(caption).trimmed();
}

using Context = std::function<Document&()>;
using StoreEquation = void (*)(Document&, int, EquationEntry);

// A function or a relation: the entry keeps its pen and takes the new text.
template <int N>
std::optional<CalculatorRequest>
equationRequest(const Context& context, Store<EquationEntry, N> Project::*store, int n,
                std::string (*caption)(int), int mode, StoreEquation storeEntry) {
    const Store<EquationEntry, N>& entries = context().project.*store;
    n = slotFor(entries, N, n,
                [](const EquationEntry& e) -> const CompiledExpression& { return e.expr; });
    if (n == 0) return std::nullopt;
    CalculatorRequest r;
    r.label = label(caption(n));
    r.text = entries[n].expr.source;
    r.mode = mode;
    r.send = [context, store, n, storeEntry](const std::string& text) {
        Document& ctx = context();
        EquationEntry entry = (ctx.project.*store)[n];
        entry.expr.source = text;
        storeEntry(ctx, n, std::move(entry));
        return true;
    };
    return r;
}

std::optional<CalculatorRequest> userFunctionRequest(const Context& context, int n) {
    const Project& p = context().project;
    n = slotFor(p.userFunctions, kUserFunctions, n,
                [](const CompiledExpression& e) -> const CompiledExpression& { return e; });
    if (n == 0) return std::nullopt;
    CalculatorRequest r;
    r.label = label(userFunctionRowCaption(p, n));
    r.text = p.userFunctions[n].source;
    r.mode = kModeRelation;
    r.send = [context, n](const std::string& text) {
        Document& ctx = context();
        return defineUserFunction(ctx, n, text);
    };
    return r;
}

} // namespace

std::optional<CalculatorRequest> calculatorRequest(const Context& context, CategoryPanel panel,
                                                   int n) {
    switch (panel) {
    case CategoryPanel::Explicit:
        return equationRequest(context, &Project::explicitFunctions, n, &explicitRowCaption,
                               kModeExplicit, &storeExplicitFunction);
    case CategoryPanel::Relations:
        return equationRequest(context, &Project::relations, n, &relationRowCaption, kModeRelation,
                               &storeRelation);
    case CategoryPanel::UserFunctions:
        return userFunctionRequest(context, n);
    default:
        return std::nullopt;
    }
}

CalculatorRequest numberRequest(const Context& context, const QString& label,
                                const std::string& text,
                                std::function<void(Extended, const std::string&)> store) {
    CalculatorRequest r;
    r.label = label;
    r.text = text;
    r.mode = kModePlain;
    r.send = [context, store](const std::string& sent) {
        Document& ctx = context();
        const auto value = calculate(ctx, sent);
        if (!value || !isDefinedReal(*value)) {
            ctx.messages.show(kInvalidNumber, MessageKind::Error, false);
            return false;
        }
        store(value->x, formatGeneral(value->x, 15, ctx.project.engine.decimalChar));
        return true;
    };
    return r;
}

} // namespace tarlix
