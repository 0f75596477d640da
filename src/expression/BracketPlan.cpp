#include "expression/BracketPlan.h"

#include "expression/TokenText.h"

namespace tarlix {

std::string BracketPlan::apply(const std::string& t) const {
    std::string out;
    std::size_t added = 0;
    for (int n : opens_) added += static_cast<std::size_t>(n);
    out.reserve(t.size() + 2 * added);
    for (std::size_t i = 0; i <= t.size(); ++i) {
        if (closes_[i] > 0) out.append(static_cast<std::size_t>(closes_[i]), tokenChar(tkClose));
        if (opens_[i] > 0) out.append(static_cast<std::size_t>(opens_[i]), tokenChar(tkOpen));
        if (i < t.size() && !dropped_[i]) out += t[i];
    }
    return out;
}

std::vector<std::size_t> matchingBrackets(const std::string& t) {
    std::vector<std::size_t> matches(t.size(), npos);
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int c = code(t[i]);
        if (c == tkOpen) open.push_back(i);
        if (c == tkClose && !open.empty()) {
            matches[open.back()] = i;
            matches[i] = open.back();
            open.pop_back();
        }
    }
    return matches;
}

bool hasUnclosedGroup(const std::string& t, const std::vector<std::size_t>& matches) {
    for (std::size_t i = 0; i < t.size(); ++i)
        if (code(t[i]) == tkOpen && matches[i] == npos) return true;
    return false;
}

} // namespace tarlix
