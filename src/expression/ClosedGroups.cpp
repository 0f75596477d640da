#include "expression/ClosedGroups.h"

namespace tarlix {

std::vector<GroupFacts> groupsByOpen(const std::string& t) {
    std::vector<GroupFacts> facts(t.size());
    ClosedGroups groups;
    for (std::size_t i = 0; i < t.size(); ++i) {
        groups.read(code(t[i]), i);
        if (const GroupFacts* g = groups.closedAt(i)) facts[g->open] = *g;
    }
    for (const GroupFacts& g : groups.stillOpen()) facts[g.open] = g;
    return facts;
}

} // namespace tarlix
