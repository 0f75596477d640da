#include "shell/FormulaImage.h"

#include "platform/qt/QtText.h"

#include <QFontMetrics>
#include <QPainter>

namespace tarlix {

QImage formulaImage(const std::string& source, const EngineSettings&, int pointSize, bool bold) {
    QFont font("Times New Roman");
    font.setPointSize(pointSize);
    font.setItalic(true);
    font.setBold(bold);
    const QString text = toQString(source).replace('@', QChar(0x3B8));
    const QFontMetrics metrics(font);
    QImage image(std::max(1, metrics.horizontalAdvance(text) + 4), metrics.height() + 4,
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(2, 2 + metrics.ascent(), text);
    return image;
}

} // namespace tarlix
