#pragma once
// Windows metafiles (EMF, WMF) of a recorded picture: the picture replayed on a white ground
// onto the metafile device, its drawing kept as vector records, written through the one file
// writer.

#include "base/AtomicFile.h"
#include "platform/Canvas.h"

#include <string>

namespace tarlix {

enum class MetafileKind { Emf, Wmf };

// The file's bytes; empty when nothing could be drawn.
std::string encodeMetafile(const Picture& picture, Size size, int dotsPerInch, MetafileKind kind);

SaveResult saveMetafile(const Picture& picture, Size size, int dotsPerInch, const std::string& path,
                        MetafileKind kind);

} // namespace tarlix
