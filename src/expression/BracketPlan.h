#pragma once
// Brackets to add to a token text, placed by positions of the text as it stands, and added in
// one pass at the end. For the passes whose every choice can be read from the text before any
// of its own brackets are added: bracketing n operands then costs the length of the text once
// instead of once per operand.

#include <cstddef>
#include <string>
#include <vector>

namespace tarlix {

class BracketPlan {
public:
    explicit BracketPlan(std::size_t size)
        : opens_(size + 1, 0), closes_(size + 1, 0), dropped_(size + 1, false) {}

    // Encloses [from, to) of the text as it stands.
    void enclose(std::size_t from, std::size_t to) {
        ++opens_[from];
        ++closes_[to];
        ++pairs_;
    }
    // Leaves out the token at pos.
    void drop(std::size_t pos) {
        if (!dropped_[pos]) ++drops_;
        dropped_[pos] = true;
    }
    // True when some enclosed range ends at pos.
    bool closesAt(std::size_t pos) const { return closes_[pos] > 0; }
    // The text with the brackets: before each position, the ")" that end there, then the "("
    // that start there.
    std::string apply(const std::string& t) const;

private:
    std::vector<int> opens_;
    std::vector<int> closes_;
    std::vector<bool> dropped_;
    std::size_t pairs_ = 0;
    std::size_t drops_ = 0;
};

// For each "(" the position of the ")" that closes it and for each ")" the position of its "(";
// npos for the other tokens and for brackets without a partner.
std::vector<std::size_t> matchingBrackets(const std::string& t);

} // namespace tarlix
