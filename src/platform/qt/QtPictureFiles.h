#pragma once
// Picture files of every type the program writes, chosen by the file name's extension: the
// bitmaps (PNG, BMP at 24 bits, GIF, JPEG at quality 100) from an image, and the vector files
// (SVG, PDF, EMF, WMF) from a recorded picture. Every file goes through the program's one file
// writer, so a failure leaves an existing file as it was.

#include "base/AtomicFile.h"
#include "platform/Canvas.h"

#include <QImage>

#include <optional>
#include <string>

namespace tarlix {

enum class PictureFileType { Png, Bmp, Gif, Jpeg, Emf, Wmf, Svg, Pdf };

// The type a file name asks for by its extension (any case): ".png", ".bmp", ".gif", ".jpg"
// (or ".jpeg"), ".emf", ".wmf", ".svg", ".pdf"; none for any other or none at all.
std::optional<PictureFileType> pictureFileTypeOf(const std::string& path);
// ".png", ".bmp", ".gif", ".jpg", ".emf", ".wmf", ".svg", ".pdf".
const char* extensionOf(PictureFileType type);
// SVG, PDF, EMF and WMF are drawn from a recorded picture; the others are bitmaps.
bool isVectorType(PictureFileType type);

// The bytes of the image as a bitmap file of the type (PNG, BMP, GIF or JPEG); empty when it
// cannot be encoded.
std::string encodeBitmapFile(const QImage& image, PictureFileType type);
// The image as a bitmap file of the type (PNG, BMP, GIF or JPEG).
SaveResult saveBitmapFile(const QImage& image, const std::string& path, PictureFileType type);
// The picture, of size pixels at dotsPerInch, as a vector file of the type (SVG, PDF, EMF or WMF).
SaveResult saveVectorFile(const Picture& picture, Size size, int dotsPerInch,
                          const std::string& path, PictureFileType type);

} // namespace tarlix
