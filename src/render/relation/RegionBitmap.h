#pragma once
// One byte per grid pixel of the scan (columns and rows -1 .. length + 1): bit k - 1 is set
// where part k of the relation holds. Stored row by row, as the scan and the hatching visit it.

#include <cstdint>
#include <span>
#include <vector>

namespace tarlix {

class RegionBitmap {
public:
    // Sizes the bitmap for the grid and clears it.
    void reset(int columns, int rows);
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    // The bytes of grid row r (-1 ..), indexed by column + 1.
    std::uint8_t* row(int r) { return bytes_.data() + static_cast<std::size_t>(r + 1) * columns_; }
    const std::uint8_t* row(int r) const {
        return bytes_.data() + static_cast<std::size_t>(r + 1) * columns_;
    }
    std::uint8_t at(int c, int r) const { return row(r)[c + 1]; }

private:
    int columns_ = 0;
    int rows_ = 0;
    std::vector<std::uint8_t> bytes_;
};

// A pixel is in the region when all the bits of some group are set in its byte.
inline bool inRegion(std::uint8_t bits, std::span<const std::uint8_t> groups) {
    for (std::uint8_t g : groups)
        if (g != 0 && (bits & g) == g) return true;
    return false;
}

} // namespace tarlix
