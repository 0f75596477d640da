#pragma once
// An expression drawn as a formula into an image, as the calculator's preview and result show
// it.

#include "expression/EngineSettings.h"

#include <QImage>

#include <string>

namespace tarlix {

// The source text of an expression as a formula at the given size in points, on white,
// trimmed to its width.
QImage formulaImage(const std::string& source, const EngineSettings& settings, int pointSize,
                    bool bold = false);

} // namespace tarlix
