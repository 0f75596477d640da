#pragma once
// The object whose position and equation the floating labels show while the mouse hovers over
// the graph: the first found of a figure, a figure's afterimage, a curve, an explicit function
// and a relation.

#include "document/ProjectEdit.h"

#include <string>

namespace tarlix {

class ProjectPicture;

struct HoverObject {
    bool found = false;
    Extended x = 0; // where the object stands (on a function: at the pointer's x)
    Extended y = 0;
    std::string caption; // "P:", "y3=", "C2:"
    std::string text;    // its expression; empty when it has none
};

HoverObject hoverObjectAt(const ProjectContext& ctx, ProjectPicture& picture, int px, int py);

// "(x, y)" of the object's position, cut to 26 characters as the coordinate label shows it.
std::string hoverPositionText(const ProjectContext& ctx, const HoverObject& object);

} // namespace tarlix
