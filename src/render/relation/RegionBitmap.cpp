#include "render/relation/RegionBitmap.h"

#include <algorithm>

namespace tarlix {

void RegionBitmap::reset(int columns, int rows) {
    columns_ = std::max(columns, 0);
    rows_ = std::max(rows, 0);
    bytes_.assign(static_cast<std::size_t>(columns_) * rows_, 0);
}

} // namespace tarlix
