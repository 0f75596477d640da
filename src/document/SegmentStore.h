#pragma once
// The connected figures L1..L30: segment records through figures and axes, in the order the
// user created them. Records after a deleted one move down, so the store is always packed.

#include "base/Store.h"

#include <array>
#include <cstdint>
#include <string>

namespace tarlix {

inline constexpr int kSegments = 30;
inline constexpr int kSegmentVertices = 11; // the vertex list ends at the first 0
inline constexpr std::uint8_t kXAxisVertex = 250;
inline constexpr std::uint8_t kYAxisVertex = 251;
inline constexpr std::uint8_t kFileVertexO = 252; // figure 22 as project files write it

// Numbered as project files store them; 4 is no kind.
enum class SegmentKind : std::uint8_t {
    None = 0,
    Segment = 1,
    Line = 2,
    Vector = 3,
    Rectangle = 5,
    Polyline = 6,
    Polygon = 7,
    Angle = 8,
    Ray = 9,
    Arc = 10,
    Bracket = 11,
    Bezier = 12,
};

struct SegmentRecord {
    SegmentKind kind = SegmentKind::None;
    std::array<std::uint8_t, kSegmentVertices + 1> vertices{}; // figures 1..22, 250, 251
    std::uint8_t width = 2;
    std::uint8_t lineStyle = 1;
    bool afterimage = false;
    std::uint32_t penColor = 0xFF0000;
    std::uint32_t fillColor = 0xFFFFFF; // white: not filled
    std::uint8_t fillPattern = 1;
    std::uint8_t labelPosition = 0;
    bool visible = true;
    std::string label;

    // The number of vertices before the first 0.
    int vertexCount() const;
    bool usesVertex(int figure) const;
};

class SegmentStore {
public:
    Store<SegmentRecord, kSegments> records;
    int count = 0;

    SegmentRecord& operator[](int i) { return records[i]; }
    const SegmentRecord& operator[](int i) const { return records[i]; }

    // Appends a record; false when the store is full.
    bool add(const SegmentRecord& record);
    // Removes record i; the later records move down one place.
    void remove(int i);
    void clear();
};

} // namespace tarlix
