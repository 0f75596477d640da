#pragma once
// A relation as the drawing sees it: up to eight parts f op 0, each with its bit in the region
// bitmap, and the group masks whose parts must all hold at a pixel for it to be in the region.

#include "platform/Canvas.h"
#include "render/relation/RelationSampler.h"

#include <cstdint>
#include <vector>

namespace tarlix {

enum class RelationOp : std::uint8_t { Equal, Greater, GreaterEqual, Less, LessEqual, NotEqual };

inline constexpr int maxRelationParts = 8;

// Part k (1..8) owns bit 1 << (k - 1) of every region byte.
constexpr std::uint8_t partBit(int k) {
    return static_cast<std::uint8_t>(1u << (k - 1));
}

constexpr bool isInequality(RelationOp op) {
    return op != RelationOp::Equal;
}
constexpr bool isStrict(RelationOp op) {
    return op == RelationOp::Greater || op == RelationOp::Less || op == RelationOp::NotEqual;
}

// Whether a pixel of sign s (-1, 0, 1) lies in the region of the comparison.
constexpr bool signFits(RelationOp op, int s) {
    switch (op) {
    case RelationOp::Greater:
    case RelationOp::GreaterEqual:
        return s == 1;
    case RelationOp::Less:
    case RelationOp::LessEqual:
        return s == -1;
    case RelationOp::NotEqual:
        return s == 1 || s == -1;
    case RelationOp::Equal:
        break;
    }
    return false;
}

struct RelationPart {
    RelationSampler* f = nullptr; // not owned; the compiled part lives with the relation
    RelationOp op = RelationOp::Equal;
    // The part is y op g(x); drawn as an explicit function when a plotter for those is given.
    bool explicitForm = false;
};

struct RelationParts {
    std::vector<RelationPart> parts;  // at most eight
    std::vector<std::uint8_t> groups; // OR of the bits of the parts of each group
};

// The attributes of a relation that its drawing reads.
struct RelationStyle {
    Color color = kBlack;
    int width = 1;
    bool afterimage = false;
    bool fastPoly = false;
    bool visible = true;
    int pattern = 0; // 0 none, 1..10 hatch patterns
    int border = 0;  // non-zero: strict inequalities get no boundary line
    int lineStyle = 1;
};

// Project settings the relation drawing reads.
struct RelationSettings {
    int scanWidth = 1; // 1, 2, 4 or 8 pixels between evaluated grid points
    bool drawWhileComputing = false;
    bool afterimageFills = false;
    bool capStyle = false;
    int afterimageColorIndex = 2;
    bool blackAndWhite = false;
    // A full document refresh shows partial drawings like drawWhileComputing does.
    bool fullRefresh = false;
    friend bool operator==(const RelationSettings&, const RelationSettings&) = default;
};

} // namespace tarlix
