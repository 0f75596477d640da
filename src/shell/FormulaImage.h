#pragma once
// An expression typeset into an image, as the data panel's rows and the calculator's preview
// and result show it.

#include "expression/EngineSettings.h"

#include <QImage>

#include <string>

namespace tarlix {

class FormulaMetrics;

// The source text of an expression as a formula at the given size in points, on white, trimmed
// to its width. The image is height pixels high (by default as high as a data-panel row of that
// size), a taller formula being drawn smaller to fit. metrics keeps text extents between calls.
QImage formulaImage(const std::string& source, const EngineSettings& settings, int pointSize,
                    bool bold = false, int height = 0, FormulaMetrics* metrics = nullptr);

} // namespace tarlix
