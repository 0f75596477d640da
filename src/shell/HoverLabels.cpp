#include "shell/HoverLabels.h"

#include "platform/qt/QtText.h"
#include "shell/FormulaImage.h"
#include "shell/GraphWindow.h"
#include "shell/HoverObject.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tarlix {

namespace {
constexpr int kPositionDx = 20; // the position label's offset from the pointer
constexpr int kPositionDy = 8;
constexpr int kEquationDx = 18;
constexpr int kCaptionGap = 4;
} // namespace

HoverLabels::HoverLabels(GraphWindow& window, std::function<Document&()> context,
                         ProjectPicture& picture)
    : window_(window), context_(std::move(context)), picture_(picture) {}

void HoverLabels::hide() {
    window_.positionLabel()->hide();
    window_.equationLabel()->hide();
}

// The position label shows only where the pointer can take hold of something (its shape is
// not the cross); the equation wherever an object with an expression lies under it.
void HoverLabels::pointerAt(int px, int py, PointerShape shape) {
    const bool position = window_.positionButton()->isChecked() && shape != PointerShape::Cross;
    const bool equation = window_.equationButton()->isChecked() &&
                          (shape == PointerShape::Cross || shape == PointerShape::PickUp);
    const HoverObject object =
        position || equation ? hoverObjectAt(context_(), picture_, px, py) : HoverObject{};
    if (position && object.found)
        showPosition(object, px, py);
    else
        window_.positionLabel()->hide();
    if (equation && object.found && !object.text.empty())
        showEquation(object, px, py);
    else
        window_.equationLabel()->hide();
}

void HoverLabels::showPosition(const HoverObject& object, int px, int py) {
    const Document& c = context_();
    QLabel* label = window_.positionLabel();
    QFont font = label->font();
    font.setPointSize(c.view.fontSize);
    label->setFont(font);
    label->setText(toQString(hoverPositionText(c, object)));
    label->adjustSize();
    const int right = c.view.xAxis.pixelLength;
    label->move(std::min(px + kPositionDx, right - label->width()), py + kPositionDy);
    label->show();
    label->raise();
}

void HoverLabels::showEquation(const HoverObject& object, int px, int py) {
    const Document& c = context_();
    QLabel* label = window_.equationLabel();
    const int size = static_cast<int>(std::lround(1.1 * c.view.fontSize));
    const QImage image = equationImage(object, c.project.engine, size);
    label->setPixmap(QPixmap::fromImage(image));
    label->resize(image.size());
    const QLabel* position = window_.positionLabel();
    const int top = position->isVisible() ? position->geometry().bottom() + 1 : py;
    const int right = window_.graphImage()->width();
    label->move(std::max(0, std::min(px + kEquationDx, right - label->width())), top);
    label->show();
    label->raise();
}

QImage equationImage(const HoverObject& object, const EngineSettings& settings, int pointSize) {
    const QImage formula = formulaImage(object.text, settings, pointSize);
    QFont bold("Arial");
    bold.setPointSize(pointSize);
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const QString caption = toQString(object.caption);
    const int captionWidth = metrics.horizontalAdvance(caption) + kCaptionGap;
    const int height = std::max(formula.height(), metrics.ascent() + metrics.descent() + 4);
    QImage image(captionWidth + formula.width(), height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(bold);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, captionWidth, height), Qt::AlignLeft | Qt::AlignVCenter, caption);
    p.drawImage(captionWidth, (height - formula.height()) / 2, formula);
    return image;
}

} // namespace tarlix
