#include "platform/qt/QtClipboard.h"

#include "platform/qt/QtImageCanvas.h"
#include "platform/qt/QtPaintStyle.h"
#include "platform/qt/QtText.h"
#include "platform/qt/QtVectorFiles.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace tarlix {

namespace {

QImage imageOf(const Canvas& canvas) {
    if (const auto* qt = dynamic_cast<const QtImageCanvas*>(&canvas)) return qt->image();
    QImage out(canvas.width(), canvas.height(), QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) line[x] = toQRgb(canvas.pixel(x, y));
    }
    return out;
}

QByteArray svgOf(const Picture& picture, Size size, int dotsPerInch) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&bytes);
    svg.setSize(QSize(size.width, size.height));
    svg.setViewBox(QRect(0, 0, size.width, size.height));
    svg.setResolution(dotsPerInch);
    paintVectorPicture(picture, size, svg);
    return bytes.data();
}

// Office programs on Linux paste a PDF as a vector where they take no SVG.
QByteArray pdfOf(const Picture& picture, Size size, int dotsPerInch) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(dotsPerInch);
        const QSizeF millimetres(size.width * 25.4 / dotsPerInch, size.height * 25.4 / dotsPerInch);
        pdf.setPageSize(QPageSize(millimetres, QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        paintVectorPicture(picture, size, pdf);
    }
    return bytes;
}

} // namespace

void QtClipboard::putText(const std::string& text) {
    QGuiApplication::clipboard()->setText(toQString(text));
}

void QtClipboard::putImage(const Canvas& image) {
    QGuiApplication::clipboard()->setImage(imageOf(image));
}

void QtClipboard::putPicture(const Picture& picture, Size size, int dotsPerInch) {
    if (size.width <= 0 || size.height <= 0) return;
    QtImageCanvas drawn(size.width, size.height);
    picture.replay(drawn, Rect{0, 0, size.width, size.height});
    auto* data = new QMimeData;
    data->setData("image/svg+xml", svgOf(picture, size, dotsPerInch));
    data->setData("application/pdf", pdfOf(picture, size, dotsPerInch));
    data->setImageData(drawn.image());
    QGuiApplication::clipboard()->setMimeData(data);
}

bool QtClipboard::hasText() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

std::string QtClipboard::text() const {
    return fromQString(QGuiApplication::clipboard()->text());
}

// A picture with transparent parts is laid on white, as the program shows pictures.
RasterImage QtClipboard::image() const {
    QImage pasted = QGuiApplication::clipboard()->image();
    if (pasted.isNull()) return {};
    pasted.setDevicePixelRatio(1); // one pixel of the picture to one of the image
    QImage onWhite(pasted.size(), QImage::Format_RGB32);
    onWhite.fill(Qt::white);
    QPainter(&onWhite).drawImage(0, 0, pasted);
    RasterImage out;
    out.width = onWhite.width();
    out.height = onWhite.height();
    out.pixels.reserve(static_cast<std::size_t>(out.width) * out.height);
    for (int y = 0; y < out.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(onWhite.constScanLine(y));
        for (int x = 0; x < out.width; ++x) out.pixels.push_back(fromQRgb(line[x]));
    }
    return out;
}

} // namespace tarlix
