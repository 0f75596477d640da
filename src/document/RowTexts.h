#pragma once
// What each data-panel row shows: the caption of its show/hide button and the text of its
// object, as the panel lists them before formulas are typeset.

#include "document/Project.h"

#include <string>

namespace tarlix {

std::string explicitRowCaption(int n); // " y3="
std::string relationRowCaption(int n); // " C2: "
std::string segmentRowCaption(int n);  // "L4"

// The widest argument list that user function n's expression uses: 4 with w, else 3 with z,
// else 2 with y or theta, else 1 (x alone).
int userFunctionArgumentCount(const Project& project, int n);
// The user function's label: a blank, its name and that argument list ("(x)=", "(x,y)=",
// "(x,y,z)=", "(x,y,z,w)=").
std::string userFunctionRowCaption(const Project& project, int n);

// The figure's row text by kind (point, circle, lines, polar and parametric curves).
std::string figureRowText(const FigureEntry& figure);

// The vertices of a connected figure as their letters ("x" and "y" for the axes).
std::string segmentRowText(const SegmentRecord& segment);

} // namespace tarlix
