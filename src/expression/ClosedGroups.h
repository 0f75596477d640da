#pragma once
// The groups of a token text as a pass reads it forwards. A pass that edits only inside the
// group that has just closed keeps every group still open where it was, so what it needs of
// that group (where it opens, its commas at its own depth) is known from the reading, without
// a scan back over the group however long and deeply nested the text is.

#include "expression/TokenText.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace tarlix {

struct GroupFacts {
    std::size_t open = npos;
    std::size_t close = npos;
    int commas = 0; // at the group's own depth
    std::size_t firstComma = npos;
    std::size_t lastComma = npos;

    // The arguments the group holds: none when it is empty.
    int arguments() const { return close == open + 1 ? 0 : commas + 1; }
};

class ClosedGroups {
public:
    // Reads the token at i; the tokens are read in order.
    void read(int c, std::size_t i) {
        if (c == Token::Open) open_.push_back({i});
        if (c == Token::Comma && !open_.empty()) {
            GroupFacts& g = open_.back();
            if (g.commas++ == 0) g.firstComma = i;
            g.lastComma = i;
        }
        if (c == Token::Close && !open_.empty()) {
            last_ = open_.back();
            last_.close = i;
            open_.pop_back();
        }
    }
    // The group that the ")" at close closes, when that is the last ")" read; null for a ")"
    // that closes no group.
    const GroupFacts* closedAt(std::size_t close) const {
        return last_.close == close ? &last_ : nullptr;
    }

    // The groups read so far and not closed, outermost first; their close is npos.
    const std::vector<GroupFacts>& stillOpen() const { return open_; }

private:
    std::vector<GroupFacts> open_;
    GroupFacts last_;
};

// The facts of every group of the text by the position of its "("; a group left open has its
// commas to the end of the text and close npos.
std::vector<GroupFacts> groupsByOpen(const std::string& t);

// Rewrites t by copying it through append(t, from, to, groups, out), which copies [from, to)
// with its changes, reading the groups from groupsByOpen.
template <typename Append> void rewriteWithGroups(std::string& t, Append append) {
    std::string out;
    out.reserve(t.size() + 16);
    append(t, 0, t.size(), groupsByOpen(t), out);
    t = std::move(out);
}

} // namespace tarlix
