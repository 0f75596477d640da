#include "platform/qt/QtPictureFiles.h"

#include "platform/qt/GifStream.h"
#include "platform/qt/QtMetafileFiles.h"
#include "platform/qt/QtVectorFiles.h"

#include <QBuffer>
#include <QImageWriter>

#include <algorithm>
#include <cctype>

namespace tarlix {

namespace {

struct Extension {
    const char* text;
    PictureFileType type;
};

constexpr Extension kExtensions[] = {
    {".png", PictureFileType::Png},   {".bmp", PictureFileType::Bmp},
    {".gif", PictureFileType::Gif},   {".jpg", PictureFileType::Jpeg},
    {".jpeg", PictureFileType::Jpeg}, {".emf", PictureFileType::Emf},
    {".wmf", PictureFileType::Wmf},   {".svg", PictureFileType::Svg},
    {".pdf", PictureFileType::Pdf},
};

constexpr int kJpegQuality = 100;

// The image encoded by Qt's writer for format into bytes; false when it cannot be.
bool encode(const QImage& image, const char* format, int quality, QByteArray& bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0) writer.setQuality(quality);
    return writer.write(image);
}

} // namespace

std::optional<PictureFileType> pictureFileTypeOf(const std::string& path) {
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return std::nullopt;
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const Extension& e : kExtensions)
        if (ext == e.text) return e.type;
    return std::nullopt;
}

const char* extensionOf(PictureFileType type) {
    for (const Extension& e : kExtensions)
        if (e.type == type) return e.text;
    return "";
}

bool isVectorType(PictureFileType type) {
    return type == PictureFileType::Svg || type == PictureFileType::Pdf ||
           type == PictureFileType::Emf || type == PictureFileType::Wmf;
}

std::string encodeBitmapFile(const QImage& image, PictureFileType type) {
    if (type == PictureFileType::Gif) return encodeGif(image);
    QByteArray bytes;
    bool encoded = false;
    switch (type) {
    case PictureFileType::Png:
        encoded = encode(image, "PNG", -1, bytes);
        break;
    case PictureFileType::Bmp:
        encoded = encode(image.convertToFormat(QImage::Format_RGB888), "BMP", -1, bytes);
        break;
    case PictureFileType::Jpeg:
        encoded = encode(image.convertToFormat(QImage::Format_RGB888), "JPEG", kJpegQuality, bytes);
        break;
    default:
        break;
    }
    if (!encoded) return {};
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

SaveResult saveBitmapFile(const QImage& image, const std::string& path, PictureFileType type) {
    const std::string bytes = encodeBitmapFile(image, type);
    if (bytes.empty()) return SaveResult{SaveFailure::WriteFailed, 0};
    return saveFile(path, bytes);
}

SaveResult saveVectorFile(const Picture& picture, Size size, int dotsPerInch,
                          const std::string& path, PictureFileType type) {
    switch (type) {
    case PictureFileType::Svg:
        return saveVectorPicture(picture, size, dotsPerInch, path, VectorFormat::Svg);
    case PictureFileType::Pdf:
        return saveVectorPicture(picture, size, dotsPerInch, path, VectorFormat::Pdf);
    case PictureFileType::Emf:
        return saveMetafile(picture, size, dotsPerInch, path, MetafileKind::Emf);
    case PictureFileType::Wmf:
        return saveMetafile(picture, size, dotsPerInch, path, MetafileKind::Wmf);
    default:
        break;
    }
    return SaveResult{SaveFailure::WriteFailed, 0};
}

} // namespace tarlix
