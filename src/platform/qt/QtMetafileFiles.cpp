#include "platform/qt/QtMetafileFiles.h"

#include "platform/qt/EmfRecords.h"
#include "platform/qt/QtMetafileEngine.h"
#include "platform/qt/QtVectorFiles.h"
#include "platform/qt/WmfRecords.h"

namespace tarlix {

namespace {
// WMF coordinates are 16-bit.
constexpr int kMaxWmfPixels = 32767;
} // namespace

std::string encodeMetafile(const Picture& picture, Size size, int dotsPerInch, MetafileKind kind) {
    if (size.width <= 0 || size.height <= 0 || dotsPerInch <= 0) return {};
    if (kind == MetafileKind::Wmf && (size.width > kMaxWmfPixels || size.height > kMaxWmfPixels))
        return {};
    const auto records = kind == MetafileKind::Emf ? makeEmfRecords(size, dotsPerInch)
                                                   : makeWmfRecords(size, dotsPerInch);
    MetafileDevice device(*records, size, dotsPerInch);
    if (!paintVectorPicture(picture, size, device)) return {};
    return records->finish();
}

SaveResult saveMetafile(const Picture& picture, Size size, int dotsPerInch, const std::string& path,
                        MetafileKind kind) {
    const std::string bytes = encodeMetafile(picture, size, dotsPerInch, kind);
    if (bytes.empty()) return SaveResult{SaveFailure::WriteFailed, 0};
    return saveFile(path, bytes);
}

} // namespace tarlix
