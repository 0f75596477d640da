#pragma once
// Cuts a relation into its parts f op 0 and the groups of parts that must hold together. The
// conditions joined by "and" and "or" (with any brackets) are brought into the form
// (p and q ...) or (r and ...) or ...; each distinct comparison L op R becomes the part
// f = L - (R) with its operator, and a chain a < b < c becomes (a < b) and (b < c).

#include "expression/Compiler.h"
#include "expression/DocumentExpressions.h"
#include "expression/ExpressionRecords.h"
#include "render/relation/RelationTypes.h"

#include <cstdint>
#include <vector>

namespace tarlix {

struct SplitPart {
    CompiledExpression f; // compiled without the relation form; empty code when it failed
    RelationOp op = RelationOp::Equal;
    bool explicitForm = false; // y op g(x): f = y - g(x), f > 0 above the curve
};

struct SplitRelationResult {
    std::vector<SplitPart> parts;     // at most eight
    std::vector<std::uint8_t> groups; // bit k - 1 for part k
};

// Splits the token text of the relation. References to functions and relations are put in
// place first when the document is given.
SplitRelationResult splitRelation(const CompiledExpression& relation, const CompileEnv& env,
                                  const DocumentExpressions* document = nullptr);

// The parts and groups as the drawing takes them; samplerOf(part) gives the sampler that
// evaluates a compiled part, owned by the caller.
template <typename SamplerOf>
RelationParts relationPartsOf(const SplitRelationResult& split, SamplerOf samplerOf) {
    RelationParts out;
    for (const SplitPart& part : split.parts)
        out.parts.push_back({samplerOf(part), part.op, part.explicitForm});
    out.groups = split.groups;
    return out;
}

// The token text of a part as the compiler reads it: L "-" "(" R ")", and its operator.
// Without a comparison the text itself is f and the operator is "=".
std::string partFunctionTokens(const std::string& comparison, RelationOp& op);

} // namespace tarlix
