#include "expression/formula/FormulaTree.h"

#include "expression/Vocabulary.h"

#include <utility>

namespace tarlix {

namespace {

// A token or a bracketed group of the normalised text.
struct Item {
    int token = -1; // -1 for a group
    std::vector<Item> inner;
    bool isGroup() const { return token < 0; }
};

std::vector<Item> parseItems(const std::string& t, std::size_t& i, bool inGroup) {
    std::vector<Item> out;
    while (i < t.size()) {
        const int c = code(t[i++]);
        if (c == Token::Close && inGroup) return out;
        if (c == Token::Open) {
            Item g;
            g.inner = parseItems(t, i, true); // a missing ")" closes at the end
            out.push_back(std::move(g));
        } else {
            out.push_back(Item{c, {}});
        }
    }
    return out;
}

FormulaNode textNode(std::string text, FormulaFace face, bool attached = false) {
    FormulaNode n;
    n.kind = FormulaKind::Text;
    n.text = std::move(text);
    n.face = face;
    n.attached = attached;
    return n;
}

FormulaNode nodeOf(FormulaKind kind, std::vector<FormulaNode> children) {
    FormulaNode n;
    n.kind = kind;
    n.children = std::move(children);
    return n;
}

// A single part: one node plus what is attached to it (exponents, postfix operators).
bool isSingleUnit(const std::vector<FormulaNode>& nodes) {
    int parts = 0;
    for (const auto& n : nodes)
        if (!n.attached) ++parts;
    return parts == 1 && !nodes.front().attached && nodes.front().kind != FormulaKind::Operator;
}

// The content of a part with the brackets that only group it removed: the compiler's layer and
// one typed pair inside it, as under a fraction bar or a radical.
std::vector<FormulaNode> unwrapped(FormulaNode n) {
    for (int layer = 0; layer < 2; ++layer) {
        const bool wrapper = n.kind == FormulaKind::Row || n.kind == FormulaKind::Brackets;
        if (!wrapper) break;
        if (n.children.size() != 1) return std::move(n.children);
        FormulaNode inner = std::move(n.children.front());
        n = std::move(inner);
    }
    std::vector<FormulaNode> out;
    out.push_back(std::move(n));
    return out;
}

class TreeBuilder {
public:
    TreeBuilder(const ConstantTexts& consts, const EngineSettings& settings)
        : consts_(consts), settings_(settings) {}

    std::vector<FormulaNode> row(const std::vector<Item>& items) {
        std::vector<FormulaNode> out;
        bool partStart = true; // a sign here is unary: at the start, after an operator or a comma
        for (std::size_t i = 0; i < items.size(); ++i) {
            const Item& it = items[i];
            const bool signIsUnary = partStart;
            partStart = !it.isGroup() && it.token == Token::Comma;
            if (it.isGroup()) {
                out.push_back(group(it));
                continue;
            }
            const int t = it.token;
            if (t == Token::Power) {
                i = superscript(items, i, out);
            } else if (t == Token::Divide) {
                i = fraction(items, i, out);
            } else if (t == Token::Cps || t == Token::SZero) {
                continue; // a pair shows as its bracketed coordinates
            } else if (isFunction(t) || isAggregate(t)) {
                i = application(items, i, out);
            } else if (isBinary(t)) {
                out.push_back(binaryOperator(t, signIsUnary));
                partStart = out.back().kind == FormulaKind::Operator;
            } else {
                out.push_back(token(t));
            }
        }
        return out;
    }

private:
    std::string name(int t) const { return tokenName(t, settings_); }

    FormulaNode group(const Item& g) {
        std::vector<FormulaNode> content = row(g.inner);
        if (!content.empty() && isSingleUnit(content))
            return nodeOf(FormulaKind::Row, std::move(content));
        FormulaNode n = nodeOf(FormulaKind::Brackets, std::move(content));
        n.text = "()";
        return n;
    }

    // The operand after position i as one node, brackets that only group it included.
    FormulaNode operand(const std::vector<Item>& items, std::size_t i) {
        if (i >= items.size()) return nodeOf(FormulaKind::Row, {});
        if (items[i].isGroup()) return group(items[i]);
        std::vector<Item> one{items[i]};
        return nodeOf(FormulaKind::Row, row(one));
    }

    std::size_t superscript(const std::vector<Item>& items, std::size_t i,
                            std::vector<FormulaNode>& out) {
        std::vector<FormulaNode> exponent;
        std::size_t next = i + 1;
        // A signed exponent the compiler left unbracketed («x^-2»).
        if (next < items.size() &&
            (items[next].token == Token::Minus || items[next].token == Token::Plus)) {
            exponent.push_back(signNode(items[next].token));
            ++next;
        }
        for (auto& n : unwrapped(operand(items, next))) exponent.push_back(std::move(n));
        if (!out.empty()) bracketFractionBase(out.back());
        FormulaNode sup = nodeOf(FormulaKind::Superscript, std::move(exponent));
        sup.attached = true;
        out.push_back(std::move(sup));
        return next;
    }

    // A fraction raised to a power keeps brackets, or the exponent would seem the
    // denominator's.
    static void bracketFractionBase(FormulaNode& base) {
        const FormulaNode* core = &base;
        while (core->kind == FormulaKind::Row && core->children.size() == 1)
            core = &core->children.front();
        if (core->kind != FormulaKind::Fraction) return;
        FormulaNode fraction = *core;
        base = nodeOf(FormulaKind::Brackets, {});
        base.text = "()";
        base.children.push_back(std::move(fraction));
    }

    std::size_t fraction(const std::vector<Item>& items, std::size_t i,
                         std::vector<FormulaNode>& out) {
        FormulaNode numerator = nodeOf(FormulaKind::Row, {});
        if (!out.empty()) {
            numerator = std::move(out.back());
            out.pop_back();
        }
        FormulaNode f = nodeOf(FormulaKind::Fraction, {});
        f.children.push_back(nodeOf(FormulaKind::Row, unwrapped(std::move(numerator))));
        f.children.push_back(nodeOf(FormulaKind::Row, unwrapped(operand(items, i + 1))));
        out.push_back(std::move(f));
        return i + 1;
    }

    // A function or aggregate with its argument group (and, for sin^2 x, its exponent).
    std::size_t application(const std::vector<Item>& items, std::size_t i,
                            std::vector<FormulaNode>& out) {
        const int f = items[i].token;
        std::size_t next = i + 1;
        const bool hasGroup = next < items.size() && items[next].isGroup();
        if (hasGroup && (f == Token::Sqrt || f == Token::Cbrt || f == Token::Conj ||
                         f == Token::Abs || f == Token::Vec || f == Token::Norm)) {
            out.push_back(markedGroup(f, items[next]));
            return next;
        }
        std::vector<FormulaNode> parts;
        // A factor before a function name stands apart from it: "2 sin x".
        const bool factorBefore = !out.empty() && out.back().kind != FormulaKind::Operator;
        if (factorBefore && !isUserFunction(f) && !isAntiderivative(f))
            parts.push_back(textNode(" ", FormulaFace::Upright));
        parts.push_back(functionName(f));
        if (isUserFunction(f) && next < items.size() && isPrime(items[next].token))
            parts.push_back(textNode(name(items[next++].token), FormulaFace::Upright, true));
        if (next < items.size() && items[next].token == Token::Power)
            next = superscript(items, next, parts) + 1;
        if (next < items.size() && items[next].isGroup()) {
            parts.push_back(argument(f, items[next]));
        } else {
            --next; // no argument group: the name stands alone
        }
        out.push_back(nodeOf(FormulaKind::Row, std::move(parts)));
        return next;
    }

    // An argument that is one simple part is written after the name without brackets
    // ("sin x"); others keep their brackets.
    FormulaNode argument(int f, const Item& g) {
        std::vector<FormulaNode> content = row(g.inner);
        if (content.size() == 1) content = unwrapped(std::move(content.front()));
        const bool bare = isOneArg(f) && f != Token::Negate && content.size() == 1 &&
                          content.front().kind == FormulaKind::Text &&
                          content.front().face != FormulaFace::Plain;
        if (bare) {
            std::vector<FormulaNode> spaced;
            spaced.push_back(textNode(" ", FormulaFace::Upright));
            spaced.push_back(std::move(content.front()));
            return nodeOf(FormulaKind::Row, std::move(spaced));
        }
        FormulaNode n = nodeOf(FormulaKind::Brackets, std::move(content));
        n.text = "()";
        return n;
    }

    FormulaNode markedGroup(int f, const Item& g) {
        std::vector<FormulaNode> content;
        for (auto& n : row(g.inner))
            if (!(n.kind == FormulaKind::Text && n.text == name(Token::Comma) + " "))
                content.push_back(std::move(n));
        if (f == Token::Sqrt || f == Token::Cbrt) {
            FormulaNode r = nodeOf(FormulaKind::Radical, {});
            r.children = unwrapped(nodeOf(FormulaKind::Row, std::move(content)));
            r.cubeRoot = f == Token::Cbrt;
            return r;
        }
        if (f == Token::Conj) return nodeOf(FormulaKind::Overbar, std::move(content));
        if (f == Token::Vec) return nodeOf(FormulaKind::Arrow, std::move(content));
        return nodeOf(FormulaKind::Bars, std::move(content)); // abs, NORM
    }

    FormulaNode functionName(int f) const {
        switch (f) {
        case Token::Sum:
            return textNode("\xE5", FormulaFace::BigSymbol);
        case Token::Product:
            return textNode("P", FormulaFace::BigSymbol);
        case Token::Igr:
            return textNode("\xF2", FormulaFace::BigSymbol);
        case Token::Gamma:
            return textNode("G", FormulaFace::Symbol);
        case Token::Beta:
            return textNode("B", FormulaFace::Symbol);
        case Token::Negate:
            return textNode("-", FormulaFace::Symbol);
        default:
            break;
        }
        const bool user = isUserFunction(f) || isAntiderivative(f);
        return textNode(name(f), user ? FormulaFace::Name : FormulaFace::Upright);
    }

    FormulaNode signNode(int t) const {
        return textNode(t == Token::Minus ? "-" : "+",
                        t == Token::Minus ? FormulaFace::Symbol : FormulaFace::Upright);
    }

    // A sign that starts a part is unary and gets no gaps.
    FormulaNode binaryOperator(int t, bool unary) const {
        if (unary && (t == Token::Minus || t == Token::Plus)) return signNode(t);
        FormulaNode n = textNode(name(t), FormulaFace::Upright);
        n.kind = FormulaKind::Operator;
        if (t == Token::LessEqual) n.text = "\xA3";
        if (t == Token::GreaterEqual) n.text = "\xB3";
        if (t == Token::NotEqual) n.text = "\xB9";
        if (isComparison(t) || t == Token::Minus) n.face = FormulaFace::Symbol;
        return n;
    }

    FormulaNode token(int t) const {
        if (isConstant(t))
            return textNode(consts_[static_cast<std::size_t>(t)], FormulaFace::Upright);
        if (t == Token::Comma) return textNode(name(t) + " ", FormulaFace::Upright);
        if (t == Token::Pi) return textNode("p", FormulaFace::Symbol);
        if (t == Token::Theta) return textNode("q", FormulaFace::SymbolItalic);
        if (isPostfix(t) || isPrime(t)) return textNode(name(t), FormulaFace::Upright, true);
        if (isVariable(t) || isPoint(t) || isReference(t))
            return textNode(name(t), FormulaFace::Name);
        if (t == Token::Close) return textNode(")", FormulaFace::Upright);
        const std::string n = name(t);
        return textNode(n.empty() ? std::string(1, static_cast<char>(t)) : n, FormulaFace::Upright);
    }

    const ConstantTexts& consts_;
    const EngineSettings& settings_;
};

} // namespace

FormulaNode buildFormulaTree(const std::string& tokens, const ConstantTexts& consts,
                             const EngineSettings& settings) {
    std::size_t i = 0;
    const std::vector<Item> items = parseItems(tokens, i, false);
    TreeBuilder builder(consts, settings);
    return nodeOf(FormulaKind::Row, builder.row(items));
}

} // namespace tarlix
