#pragma once
// An Enhanced Metafile (EMF) built in memory through libuemf. The header gives the picture's
// size as its bounds in pixels and as its frame in hundredths of a millimetre at the picture's
// dots per inch, and a reference device of exactly that resolution.

#include "platform/qt/MetafileRecords.h"

#include <memory>

namespace tarlix {

std::unique_ptr<MetafileRecords> makeEmfRecords(Size size, int dotsPerInch);

} // namespace tarlix
