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
constexpr int kCaptionRoom = 20; // the caption " y20=" is wider than the designed button
constexpr int kNarrowRowHeight = 22;
constexpr int kNarrowFirstRowTop = 26;
constexpr int kNarrowPanelMargin = 30;
constexpr int kNarrowButtonWidth = 33;
constexpr int kClickDistance = 7; // further than this is a drag

QString colourName(unsigned bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF).name();
}
} // namespace

RowGeometry RowGeometry::forScreen(int pixelsPerInch, bool presentationMode) {
    RowGeometry g;
    // Halves round to even, so that 96 pixels per inch give the designed 12 points.
    g.fontSize = static_cast<int>(std::nearbyint(10.0 * 120 / pixelsPerInch));
    g.presentation = presentationMode;
    if (presentationMode) g.fontSize *= 2;
    g.rowHeight = static_cast<int>(std::nearbyint(pixelsPerInch / 72.0 * (g.fontSize * 2.2 + 2)));
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
    // Connected figures: rows 22 pixels apart from 26, the button 33 wide, the text at 41.
    const int rowHeight = narrowRows_ ? kNarrowRowHeight : g.rowHeight;
    const int firstTop = narrowRows_ ? kNarrowFirstRowTop : kFirstRowTop;
    const int buttonWidth = narrowRows_      ? kNarrowButtonWidth
                            : g.presentation ? kPresentationButtonWidth
                                             : kButtonWidth;
    QFont font(narrowRows_ ? "Times New Roman" : "Arial");
    font.setPointSize(narrowRows_ ? 10 : g.fontSize);
    int visibleRows = 0;
    for (std::size_t i = 0; i < rows.size() && i < buttons_.size(); ++i) {
        const PanelRowContent& r = rows[i];
        QToolButton* b = buttons_[i];
        QLabel* t = texts_[i];
        const bool listed = r.used && r.shown;
        b->setVisible(listed);
        t->setVisible(listed);
        if (!listed) continue;
        const int top = (rowSlot(rows, i) - 1) * rowHeight + firstTop;
        QFont bf = font;
        bf.setItalic(true);
        bf.setBold(r.bold || r.labelWidth > 0);
        b->setFont(bf);
        b->setText(r.caption);
        // A user function's label shows nothing to hide: it never stays down.
        b->setCheckable(r.labelWidth == 0);
        b->setAutoRaise(r.labelWidth > 0);
        b->setChecked(!r.visible);
        b->setStyleSheet(
            QStringLiteral("color: %1").arg(r.visible ? colourName(r.color) : "white"));
        const int width = r.labelWidth > 0 ? r.labelWidth
                          : narrowRows_    ? buttonWidth
                                           : buttonWidth + kCaptionRoom;
        b->setGeometry(2, top, width, rowHeight - 2);
        t->setFont(font);
        t->setAccessibleName(r.text);
        if (r.formula.isNull())
            t->setText(r.text);
        else
            t->setPixmap(QPixmap::fromImage(r.formula));
        // The text runs to the panel's edge, which clips it.
        t->setGeometry(width + 6, top, 4000, rowHeight - 2);
        ++visibleRows;
    }
    int height = visibleRows * rowHeight + (narrowRows_ ? kNarrowPanelMargin : kPanelMargin);
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

int userFunctionLabelWidth(int arguments, bool presentation) {
    const int width = arguments <= 1 ? 46 : arguments == 2 ? 58 : 70;
    return presentation ? 2 * width : width;
}

int rowSlot(const std::vector<PanelRowContent>& rows, std::size_t i) {
    const int position = rows[i].position;
    int before = 0;
    for (const PanelRowContent& o : rows)
        if (o.used && o.shown && o.position < position) ++before;
    return before + 1;
}

} // namespace tarlix
