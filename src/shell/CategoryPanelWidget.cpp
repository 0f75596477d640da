#include "shell/CategoryPanelWidget.h"
#include "shell/ShownTexts.h"

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

bool CategoryPanelWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick && watched->property("row").isValid()) {
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
