// Defining a user function from the calculator: the new definition is tried in its slot for
// circular references first, so that a refused definition leaves no undo step and no trace.

#include "document/EntryCompile.h"
#include "document/ProjectEdit.h"
#include "expression/References.h"

#include <utility>

namespace tarlix {

bool defineUserFunction(Document& ctx, int n, const std::string& text) {
    Project& p = ctx.project;
    if (!p.userFunctions.contains(n)) return false;
    CompiledExpression entry = p.userFunctions[n];
    entry.source = text;
    compileText(entry, kModeRelation, true, ctx.compileEnv());
    std::swap(p.userFunctions[n], entry);
    const bool circular = checkCircular(p.userFunctions[n], p, ctx.messages);
    std::swap(p.userFunctions[n], entry);
    if (circular) return false;
    storeUserFunction(ctx, n, std::move(entry));
    return true;
}

} // namespace tarlix
