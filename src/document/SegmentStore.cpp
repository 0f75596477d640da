#include "document/SegmentStore.h"

namespace tarlix {

int SegmentRecord::vertexCount() const {
    int n = 0;
    while (n < kSegmentVertices && vertices[static_cast<std::size_t>(n)] != 0) ++n;
    return n;
}

bool SegmentRecord::usesVertex(int figure) const {
    const int n = vertexCount();
    for (int k = 0; k < n; ++k)
        if (vertices[static_cast<std::size_t>(k)] == figure) return true;
    return false;
}

bool SegmentStore::add(const SegmentRecord& record) {
    if (count >= kSegments) return false;
    records[++count] = record;
    return true;
}

void SegmentStore::remove(int i) {
    if (i < 1 || i > count) return;
    for (int k = i; k < count; ++k) records[k] = records[k + 1];
    records[count] = SegmentRecord{};
    --count;
}

void SegmentStore::clear() {
    for (SegmentRecord& r : records) r = SegmentRecord{};
    count = 0;
}

} // namespace tarlix
