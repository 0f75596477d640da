#pragma once
// Vector picture files: a recorded picture (made by QtSurfaces for vector output) written as
// SVG through Qt's SVG generator or as a one-page PDF through its PDF writer. The SVG's size and
// the PDF's page are the picture's physical size; the file goes through the program's one file
// writer.

#include "base/AtomicFile.h"
#include "platform/Canvas.h"

#include <string>

class QPaintDevice;

namespace tarlix {

enum class VectorFormat { Svg, Pdf };

// The format a file name asks for by its extension (".svg", ".pdf", any case), if any.
bool vectorFormatOf(const std::string& path, VectorFormat& format);

// Paints the picture, of size pixels, on a white ground on a vector device; false when nothing
// could be painted.
bool paintVectorPicture(const Picture& picture, Size size, QPaintDevice& device);

// size is the picture's size in pixels at dotsPerInch; says why when the file cannot be written.
SaveResult saveVectorPicture(const Picture& picture, Size size, int dotsPerInch,
                             const std::string& path, VectorFormat format);

} // namespace tarlix
