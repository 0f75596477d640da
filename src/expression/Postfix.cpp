// Binary operators to postfix order, one precedence level at a time.
#include "expression/CompileSteps.h"
#include "expression/TokenText.h"
#include "expression/Vocabulary.h"

#include <vector>

namespace tarlix::steps {

namespace {
int levelOf(int c) {
    switch (c) {
    case Token::Power:
    case Token::ReversePower:
        return 0;
    case Token::Times:
    case Token::Cross:
    case Token::Divide:
    case Token::Mod:
        return 1;
    case Token::Plus:
    case Token::Minus:
        return 2;
    case Token::And:
        return 4;
    case Token::Or:
        return 5;
    default:
        return isComparison(c) ? 3 : -1;
    }
}

// An item is a token, a converted group or a merged operation. Its text is a chain of pieces
// of the input, so that merging two items links their chains instead of copying their text:
// each token is then copied once, however deep the groups and long the chains.
struct Piece {
    char token;
    int next; // the next piece of the same item, or -1
};

struct Item {
    int head = -1;
    int tail = -1;
    std::size_t size = 0;
    char first = 0; // the first token, which decides a one-token item
};

class PostfixBuilder {
public:
    explicit PostfixBuilder(const std::string& t) : t_(t), closes_(t.size(), npos) {
        std::vector<std::size_t> open;
        for (std::size_t i = 0; i < t.size(); ++i) {
            const int c = code(t[i]);
            if (c == Token::Open) open.push_back(i);
            if (c == Token::Close && !open.empty()) {
                closes_[open.back()] = i;
                open.pop_back();
            }
        }
        pieces_.reserve(t.size() + 8);
    }

    std::string build() {
        const Item all = convert(0, t_.size());
        std::string out;
        out.reserve(all.size);
        for (int p = all.head; p != -1; p = pieces_[static_cast<std::size_t>(p)].next)
            out += pieces_[static_cast<std::size_t>(p)].token;
        return out;
    }

private:
    Item piece(char token) {
        pieces_.push_back({token, -1});
        const int at = static_cast<int>(pieces_.size() - 1);
        return {at, at, 1, token};
    }

    Item join(Item a, const Item& b) {
        if (b.head == -1) return a;
        if (a.head == -1) return b;
        pieces_[static_cast<std::size_t>(a.tail)].next = b.head;
        a.tail = b.tail;
        a.size += b.size;
        return a;
    }

    static bool isOperator(const Item& item, int level) {
        return item.size == 1 && levelOf(code(item.first)) == level;
    }

    // An item that may stand as an operand: a group or a token that is neither a separator nor
    // a binary operator.
    static bool isOperand(const Item& item) {
        if (item.size == 0) return false;
        const int c = code(item.first);
        return item.size > 1 || (c != Token::Comma && !isBinary(c));
    }

    // [from, to) split into tokens and groups, the inside of each group converted first, then
    // one precedence level at a time, left to right: each operator takes the item before it
    // and the item after it. The brackets around a merged item are not kept, as the code
    // drops them anyway.
    // The items of each group stand on one shared list above those of the groups around it,
    // so that no group needs a list of its own.
    Item convert(std::size_t from, std::size_t to) {
        const std::size_t base = items_.size();
        unsigned levels = 0; // the precedence levels whose operators stand in this group
        for (std::size_t i = from; i < to; ++i) {
            if (code(t_[i]) != Token::Open) {
                const int level = levelOf(code(t_[i]));
                if (level >= 0) levels |= 1u << level;
                items_.push_back(piece(t_[i]));
                continue;
            }
            const std::size_t close = closes_[i] == npos || closes_[i] >= to ? to : closes_[i];
            Item group = piece(t_[i]);
            group = join(group, convert(i + 1, close));
            group = join(group, piece(tokenChar(Token::Close)));
            items_.push_back(group);
            i = close;
        }
        for (int level = 0; level <= 5; ++level)
            if (levels & (1u << level)) applyLevel(base, level);
        Item all;
        for (std::size_t k = base; k < items_.size(); ++k) all = join(all, items_[k]);
        items_.resize(base);
        return all;
    }

    void applyLevel(std::size_t base, int level) {
        std::size_t kept = base;
        for (std::size_t k = base; k < items_.size(); ++k) {
            if (!isOperator(items_[k], level)) {
                items_[kept++] = items_[k];
                continue;
            }
            const Item op = items_[k];
            Item merged;
            if (k + 1 < items_.size() && isOperand(items_[k + 1])) merged = items_[++k];
            merged = join(merged, op);
            if (kept > base && isOperand(items_[kept - 1]))
                items_[kept - 1] = join(items_[kept - 1], merged);
            else
                items_[kept++] = merged;
        }
        items_.resize(kept);
    }

    const std::string& t_;
    std::vector<std::size_t> closes_;
    std::vector<Piece> pieces_;
    std::vector<Item> items_;
};
} // namespace

std::string toPostfix(const std::string& t) {
    return PostfixBuilder(t).build();
}

void deleteBrackets(std::string& t) {
    std::erase_if(t, [](char ch) {
        const int c = code(ch);
        return c == Token::Open || c == Token::Close || c == Token::Comma;
    });
}

} // namespace tarlix::steps
