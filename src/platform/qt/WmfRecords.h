#pragma once
// A Windows Metafile (WMF) built in memory through libuemf, with a placeable header that gives
// the picture's size in pixels and its dots per inch. Coordinates are 16-bit, which every
// picture the program writes fits (at most 1400 pixels enlarged 16 times).

#include "platform/qt/MetafileRecords.h"

#include <memory>

namespace tarlix {

std::unique_ptr<MetafileRecords> makeWmfRecords(Size size, int dotsPerInch);

} // namespace tarlix
