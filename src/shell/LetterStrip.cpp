#include "shell/LetterStrip.h"

#include "document/Project.h"
#include "shell/ShownTexts.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

#include <algorithm>

namespace tarlix {

namespace {
constexpr int kScrollInterval = 30; // milliseconds between steps while the pointer is held
} // namespace

LetterStrip::LetterStrip(QWidget* panel) : QWidget(panel) {
    setMouseTracking(true);
    label_ = new QLabel(shownText("Panel.Figures.create"), this);
    label_->move(4, 2);
    viewport_ = new QWidget(this);
    viewport_->setMouseTracking(true);
    viewport_->installEventFilter(this);
    letters_ = new QWidget(viewport_);
    letters_->setMouseTracking(true);
    letters_->installEventFilter(this);
    for (int n = 1; n <= kFigures; ++n) {
        auto* b = new QToolButton(letters_);
        b->setAutoRaise(true);
        b->setText(QString(QChar(figureLetter(n))));
        b->setMouseTracking(true);
        b->installEventFilter(this);
        b->hide();
        connect(b, &QToolButton::clicked, this, [this, n] {
            if (letterChosen) letterChosen(n);
        });
        buttons_.push_back(b);
    }
    viewport_->hide();
    panel->installEventFilter(this); // the strip spans its panel's width
    scrollTimer_.setInterval(kScrollInterval);
    connect(&scrollTimer_, &QTimer::timeout, this, [this] { scrollStep(direction_); });
    fitToPanel();
}

void LetterStrip::setFreeFigures(const std::vector<int>& figures) {
    for (QToolButton* b : buttons_) b->hide();
    shownCount_ = 0;
    for (int n : figures) {
        if (n < 1 || n > kFigures) continue;
        QToolButton* b = buttons_[static_cast<std::size_t>(n - 1)];
        b->setGeometry(shownCount_ * kLetterSpacing, 0, kLetterSpacing, kHeight - 2);
        b->show();
        ++shownCount_;
    }
    letters_->resize(std::max(lettersWidth(), 1), kHeight);
    offset_ = std::min(offset_, maxOffset());
    letters_->move(-offset_, 0);
}

QToolButton* LetterStrip::letterButton(int figure) const {
    if (figure < 1 || figure > static_cast<int>(buttons_.size())) return nullptr;
    return buttons_[static_cast<std::size_t>(figure - 1)];
}

bool LetterStrip::lettersShown() const {
    return !viewport_->isHidden();
}

int LetterStrip::lettersWidth() const {
    return shownCount_ * kLetterSpacing;
}

int LetterStrip::maxOffset() const {
    return std::max(0, lettersWidth() - viewport_->width());
}

void LetterStrip::scrollStep(int direction) {
    const int offset = std::clamp(offset_ + direction * kScrollStep, 0, maxOffset());
    if (offset == offset_) return;
    offset_ = offset;
    letters_->move(-offset_, 0);
}

void LetterStrip::fitToPanel() {
    const int width = parentWidget()->width();
    resize(width, kHeight);
    const int left = label_->sizeHint().width() + 8;
    viewport_->setGeometry(left, 0, std::max(width - left, 0), kHeight);
    offset_ = std::min(offset_, maxOffset());
    letters_->move(-offset_, 0);
}

void LetterStrip::showLetters(bool shown) {
    viewport_->setVisible(shown);
    if (!shown) {
        direction_ = 0;
        scrollTimer_.stop();
    }
}

// The pointer at x (strip coordinates): near an edge of a strip wider than its panel the
// letters scroll that way, one step at once and then one per timer tick.
void LetterStrip::pointerAt(int x) {
    showLetters(true);
    const int direction = maxOffset() == 0           ? 0
                          : x < kEdgeZone            ? -1
                          : x >= width() - kEdgeZone ? 1
                                                     : 0;
    if (direction == direction_) return;
    direction_ = direction;
    if (direction == 0) {
        scrollTimer_.stop();
        return;
    }
    scrollStep(direction);
    scrollTimer_.start();
}

void LetterStrip::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    showLetters(true);
}

void LetterStrip::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    showLetters(false);
}

void LetterStrip::mouseMoveEvent(QMouseEvent* event) {
    pointerAt(event->position().toPoint().x());
}

bool LetterStrip::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget()) {
        if (event->type() == QEvent::Resize) fitToPanel();
        return false;
    }
    if (event->type() == QEvent::MouseMove) {
        auto* w = static_cast<QWidget*>(watched);
        const QPointF at = static_cast<QMouseEvent*>(event)->position();
        pointerAt(w->mapTo(this, at.toPoint()).x());
    }
    return false;
}

} // namespace tarlix
