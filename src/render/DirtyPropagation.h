#pragma once
// Which objects must be computed again after some tokens changed: the functions, user
// functions, relations and figures that refer to one of them become dirty too. One pass over
// the changed tokens; a curve does not depend on its own parameter, and with theta as the polar
// angle in relations the theta parameter leaves relations alone. The last input and result are
// kept, so the same set of changes is answered without looking again.

#include "document/Project.h"

#include <bitset>

namespace tarlix {

using TokenSet = std::bitset<256>;

class DirtyPropagation {
public:
    // The input with every object that refers to one of its tokens added; relations made dirty
    // are listed in relationsMarked (bit n for Cn).
    TokenSet propagate(const Project& project, const TokenSet& input);
    const std::bitset<10>& relationsMarked() const { return relations_; }
    // Forgets the last answer (the project's expressions changed).
    void reset() { valid_ = false; }

private:
    TokenSet input_, result_;
    std::bitset<10> relations_;
    bool valid_ = false;
};

} // namespace tarlix
