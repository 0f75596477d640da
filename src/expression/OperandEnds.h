#pragma once
// Where the operands of "^", functions and "/" end, read once from a token text as it stands,
// for the passes that bracket those operands one after another, left to right.
//
// Each pass places its brackets with a BracketPlan on the text as it was, which gives the text
// the brackets would build one by one. Closed groups make that plain: an operand bracketed
// earlier is a balanced range and leaves every later choice as it was. A group left open needs
// one more fact. An operand that reaches an open group ends at the end of the text, so its ")"
// closes the innermost group still open there and its own "(" stays open in its place: the
// text as it grows is always a body followed by a run of ")" that closes the innermost of the
// body's open groups, one more after each such operand. Whether a later operand that is exactly
// an open group counts as one group then depends only on how many of those ")" there are.

#include <cstddef>
#include <string>
#include <vector>

namespace tarlix {

class OperandEnds {
public:
    // spaceAfterFunction: a space right after a function's name belongs to the operand.
    OperandEnds(const std::string& t, bool spaceAfterFunction);

    // The end of the operand run that starts at start: the text's end when it reaches a group
    // left open.
    std::size_t end(std::size_t start) const { return ends_[start]; }
    // The ")" of the group opening at open, or npos when it is left open.
    std::size_t closeOf(std::size_t open) const { return matches_[open]; }
    // True when [from, to) is one group in the text as it has grown so far.
    bool isOneGroup(std::size_t from, std::size_t to) const;
    // Records that [from, end(from)) was bracketed.
    void bracketed(std::size_t from) {
        if (reachesOpen_[from]) ++closedAtEnd_;
    }

private:
    std::vector<std::size_t> matches_;
    std::vector<std::size_t> ends_;
    std::vector<bool> reachesOpen_;
    // For each position, the groups opening there or later that the text leaves open.
    std::vector<int> openFrom_;
    // The ")" added at the end so far, each closing one more of the innermost open groups.
    int closedAtEnd_ = 0;
};

} // namespace tarlix
