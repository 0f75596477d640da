#include "expression/OperandEnds.h"

#include "expression/BracketPlan.h"
#include "expression/TokenText.h"

namespace tarlix {

namespace {
bool isRunToken(int c) {
    return isConstant(c) || isVariable(c) || isPoint(c) || isReference(c) || isFunction(c) ||
           isPostfix(c) || c == Token::Power || isAggregate(c) || isPrime(c);
}
} // namespace

OperandEnds::OperandEnds(const std::string& t, bool spaceAfterFunction)
    : matches_(matchingBrackets(t)), ends_(t.size() + 1, t.size()),
      reachesOpen_(t.size() + 1, false), openFrom_(t.size() + 1, 0) {
    // From the end, so that each run continues with the run after it.
    for (std::size_t p = t.size(); p-- > 0;) {
        const int c = code(t[p]);
        const bool open = c == Token::Open && matches_[p] == npos;
        openFrom_[p] = openFrom_[p + 1] + (open ? 1 : 0);
        std::size_t next = p;
        if (c == Token::Open)
            next = open ? npos : matches_[p] + 1;
        else if (isRunToken(c))
            next = p + 1 +
                   (spaceAfterFunction && isFunction(c) && at(t, p + 1) == Token::Space ? 1 : 0);
        if (next == npos) {
            reachesOpen_[p] = true;
        } else if (next != p) {
            ends_[p] = ends_[next];
            reachesOpen_[p] = reachesOpen_[next];
        } else {
            ends_[p] = p;
        }
    }
}

bool OperandEnds::isOneGroup(std::size_t from, std::size_t to) const {
    if (to <= from) return false;
    // A group left open is one group once enough ")" at the end reach it.
    if (openFrom_[from] > openFrom_[from + 1]) return openFrom_[from] <= closedAtEnd_;
    return matches_[from] != npos && matches_[from] > from && matches_[from] == to - 1;
}

} // namespace tarlix
