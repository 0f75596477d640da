#include "shell/CategoryPanelWidget.h"
#include "document/Project.h"
#include "shell/LetterStrip.h"
#include "shell/ShownTexts.h"
#include "shell/dialogs/PenPalette.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

#include <cmath>

namespace tarlix {

namespace {
constexpr int kFirstRowTop = 22;
constexpr int kPanelMargin = 26;
constexpr int kButtonWidth = 36;
constexpr int kPresentationButtonWidth = 60;
constexpr int kClickDistance = 7; // further than this is a drag

QString colourName(unsigned bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF).name();
}
} // namespace

RowGeometry RowGeometry::forScreen(int pixelsPerInch, bool presentationMode) {
    RowGeometry g;
    g.fontSize = static_cast<int>(std::lround(10.0 * 120 / pixelsPerInch));
    if (presentationMode) g.fontSize *= 2;
    g.rowHeight = static_cast<int>(std::lround(pixelsPerInch / 72.0 * (g.fontSize * 2.2 + 2)));
    return g;
}

CategoryPanelWidget::CategoryPanelWidget(const QString& title, int rowCount,
                                         const QString& createCaption, QWidget* parent)
    : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setAcceptDrops(true);
    title_ = new QLabel(title, this);
    title_->move(4, 2);
    for (int i = 0; i < rowCount; ++i) {
        auto* b = new QToolButton(this);
        b->setCheckable(true);
        b->setToolTip(shownText("Panel.rowButton"));
        b->hide();
        const int row = i + 1;
        connect(b, &QToolButton::clicked, this, [this, row] {
            if (toggled) toggled(row);
        });
        auto* t = new QLabel(this);
        t->setToolTip(shownText("Panel.rowText"));
        t->setProperty("row", row);
        t->installEventFilter(this);
        t->hide();
        buttons_.push_back(b);
        texts_.push_back(t);
    }
    if (!createCaption.isEmpty()) {
        create_ = new QPushButton(createCaption, this);
        connect(create_, &QPushButton::clicked, this, [this] {
            if (createRequested) createRequested();
        });
    }
}

void CategoryPanelWidget::setLetterStrip(const std::vector<int>& freeFigures) {
    if (!strip_) {
        strip_ = new LetterStrip(this);
        strip_->letterChosen = [this](int n) {
            if (letterChosen) letterChosen(n);
        };
    }
    strip_->setFreeFigures(freeFigures);
}

QToolButton* CategoryPanelWidget::letterButton(int figure) const {
    return strip_ ? strip_->letterButton(figure) : nullptr;
}

int CategoryPanelWidget::rowAt(const QPoint& at) const {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i]->isHidden()) continue;
        const QRect r = buttons_[i]->geometry().united(texts_[i]->geometry());
        if (at.y() >= r.top() && at.y() <= r.bottom()) return static_cast<int>(i) + 1;
    }
    return 0;
}

void CategoryPanelWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(kColourMimeType)) event->acceptProposedAction();
}

void CategoryPanelWidget::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(kColourMimeType) && rowAt(event->position().toPoint()) != 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

void CategoryPanelWidget::dropEvent(QDropEvent* event) {
    unsigned colour = 0;
    const int row = rowAt(event->position().toPoint());
    if (row == 0 || !droppedColour(*event->mimeData(), colour)) return;
    event->acceptProposedAction();
    if (colourDropped) colourDropped(row, colour);
}

bool CategoryPanelWidget::eventFilter(QObject* watched, QEvent* event) {
    const bool onRow = watched->property("row").isValid();
    if (onRow && event->type() == QEvent::MouseButtonPress)
        pressAt_ = static_cast<QMouseEvent*>(event)->position().toPoint();
    // A click on the row's expression (released where it was pressed) opens its editor.
    const bool click =
        event->type() == QEvent::MouseButtonRelease &&
        (static_cast<QMouseEvent*>(event)->position().toPoint() - pressAt_).manhattanLength() <=
            kClickDistance;
    if (onRow && (click || event->type() == QEvent::MouseButtonDblClick)) {
        if (edited) edited(watched->property("row").toInt());
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

int CategoryPanelWidget::setRows(const std::vector<PanelRowContent>& rows, const RowGeometry& g,
                                 bool showCreateButton) {
    QFont font("Arial");
    font.setPointSize(g.fontSize);
    const int buttonWidth = g.fontSize > 12 ? kPresentationButtonWidth : kButtonWidth;
    int visibleRows = 0;
    for (std::size_t i = 0; i < rows.size() && i < buttons_.size(); ++i) {
        const PanelRowContent& r = rows[i];
        QToolButton* b = buttons_[i];
        QLabel* t = texts_[i];
        const bool listed = r.used && r.shown;
        b->setVisible(listed);
        t->setVisible(listed);
        if (!listed) continue;
        // The row's slot skips the hidden rows placed before it.
        int hiddenBefore = 0;
        for (const auto& o : rows)
            if (o.used && !o.shown && o.position < r.position) ++hiddenBefore;
        const int slot = r.position - hiddenBefore;
        const int top = (slot - 1) * g.rowHeight + kFirstRowTop;
        QFont bf = font;
        bf.setItalic(true);
        bf.setBold(r.bold);
        b->setFont(bf);
        b->setText(r.caption);
        b->setChecked(!r.visible);
        b->setStyleSheet(
            QStringLiteral("color: %1").arg(r.visible ? colourName(r.color) : "white"));
        b->setGeometry(2, top, buttonWidth + 20, g.rowHeight - 2);
        t->setFont(font);
        t->setAccessibleName(r.text);
        if (r.formula.isNull())
            t->setText(r.text);
        else
            t->setPixmap(QPixmap::fromImage(r.formula));
        // The text runs to the panel's edge, which clips it.
        t->setGeometry(buttonWidth + 26, top, 4000, g.rowHeight - 2);
        ++visibleRows;
    }
    int height = visibleRows * g.rowHeight + kPanelMargin;
    if (strip_) {
        strip_->move(0, height - 2);
        height += LetterStrip::kHeight;
    }
    if (create_) {
        create_->setVisible(showCreateButton);
        if (showCreateButton) {
            create_->move(4, height - 2);
            height += create_->sizeHint().height();
        }
    }
    setFixedHeight(height);
    return height;
}

} // namespace tarlix
