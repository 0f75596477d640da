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

HoverObject hoverObjectAt(const Document& ctx, ProjectPicture& picture, int px, int py);

// Every kind of object under a pixel, as the graph's context menu offers their properties; 0
// where none of a kind lies there.
struct ObjectsUnderPointer {
    int figure = 0; // 1..22; the axes count as none
    int segment = 0;
    int function = 0;
    int relation = 0;
    int curve = 0;
};

ObjectsUnderPointer objectsAt(const Document& ctx, ProjectPicture& picture, int px, int py);

// "(x, y)" of the object's position, cut to 26 characters as the coordinate label shows it.
std::string hoverPositionText(const Document& ctx, const HoverObject& object);

} // namespace tarlix
