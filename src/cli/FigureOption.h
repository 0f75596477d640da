#pragma once
// The --figure option of eval and plot: KIND:L=PARTS defines the figure of letter L.
//   L=POINT                       a point, e.g. P=(1,2) or A=mid(P,(3,4))
//   circle:L=CENTRE;RADIUS        a circle
//   hline:L=Y[;WIDTH]             a horizontal line, or strip of that width
//   vline:L=X[;WIDTH]             a vertical line, or strip
//   polar:L=R[;LOW;HIGH[;STEP]]   a polar curve r(θ), θ from LOW to HIGH (0 to 2Pi)
//   curve:L=POINT[;LOW;HIGH[;STEP]]  a parametric curve (x(t), y(t)), t from LOW to HIGH
// The step of a curve is 0.01 unless given.

#include "document/DocumentRecords.h"
#include "expression/EngineSettings.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tarlix::cli {

struct FigureOption {
    int figure = 0; // 1..22
    FigureKind kind = FigureKind::Point;
    std::vector<std::string> parts; // the texts between ";", in single-byte text
};

// Reads one option value; nothing (message on err, after prefix) when it is malformed.
std::optional<FigureOption> parseFigureOption(const std::string& text, const std::string& prefix,
                                              std::ostream& err);

// Fills the figure from the option and compiles its expressions; false (the compiler's messages
// on err) when one does not compile. The figure gets its letter as label, upper right.
bool defineFigure(FigureEntry& figure, const FigureOption& option, const EngineSettings& settings,
                  std::ostream& err);

} // namespace tarlix::cli
