#include "shell/ValueWindow.h"

#include "document/FunctionValues.h"
#include "document/WindowSettingsEdit.h"
#include "expression/eval/NumberText.h"
#include "platform/qt/QtText.h"
#include "shell/FormulaImage.h"
#include "shell/ShownTexts.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarlix {

namespace {

constexpr int kPointSize = 11;
constexpr int kLineHeight = 26;   // one formula line
constexpr int kPictureWidth = 800; // a row's picture, seen through the scroll area
constexpr int kMinWidth = 220;
constexpr int kHintDigits = 15;

QToolButton* pictureButton(QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setAutoRaise(true);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

// Shows source typeset on the button, again only when it changed.
void showFormula(QToolButton* button, std::string& shown, const std::string& source,
                 const EngineSettings& settings, int width = 0) {
    if (shown == source && !button->icon().isNull()) return;
    shown = source;
    const QImage formula = formulaImage(source, settings, kPointSize, false, kLineHeight);
    QImage picture = formula;
    if (width > formula.width()) {
        picture = QImage(width, formula.height(), QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.setDevicePixelRatio(formula.devicePixelRatio());
        QPainter(&picture).drawImage(0, 0, formula);
    }
    button->setIcon(QPixmap::fromImage(picture));
    button->setIconSize(picture.size());
}

} // namespace

ValueWindow::ValueWindow(std::function<Document&()> context, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), context_(std::move(context)) {
    setObjectName("FormYValue");
    setWindowTitle(shownText("Values.title"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumWidth(kMinWidth);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    marker_ = new QToolButton(this);
    marker_->setObjectName("SbX");
    marker_->setText(shownText("Values.x"));
    QFont bold = marker_->font();
    bold.setBold(true);
    bold.setItalic(true);
    marker_->setFont(bold);
    marker_->setCheckable(true); // down: the marker line is hidden
    xImage_ = pictureButton(this);
    xImage_->setObjectName("xImage");
    top->addWidget(marker_);
    top->addWidget(xImage_, 1, Qt::AlignLeft);
    layout->addLayout(top);
    layout->addWidget(buildRows(), 1);
    connect(marker_, &QToolButton::clicked, this,
            [this] { toggleMarkerShown(context_(), Marker::ValueX); });
    connect(xImage_, &QToolButton::clicked, this, [this] {
        if (editExpression) editExpression(0, shownText("Values.x"));
    });
    refresh();
}

// The row pictures scroll together on the left; the "=" and the values stretch on the right.
QWidget* ValueWindow::buildRows() {
    auto* holder = new QWidget(this);
    auto* outer = new QHBoxLayout(holder);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* pictures = new QWidget;
    auto* pictureColumn = new QVBoxLayout(pictures);
    pictureColumn->setContentsMargins(0, 0, 0, 0);
    pictureColumn->setSpacing(0);
    auto* values = new QWidget(holder);
    auto* valueColumn = new QGridLayout(values);
    valueColumn->setContentsMargins(0, 1, 0, 0);
    valueColumn->setVerticalSpacing(0);
    for (int i = 1; i <= kValueFunctions; ++i) {
        Row& r = rows_[static_cast<std::size_t>(i)];
        r.image = pictureButton(pictures);
        r.image->setToolTip(shownText("Values.rowHint"));
        r.image->setFixedHeight(kLineHeight + 4);
        pictureColumn->addWidget(r.image, 0, Qt::AlignLeft);
        r.value = new QLineEdit(values);
        r.value->setReadOnly(true);
        r.value->setFixedHeight(kLineHeight + 4);
        valueColumn->addWidget(new QLabel(QStringLiteral("="), values), i, 0);
        valueColumn->addWidget(r.value, i, 1);
        connect(r.image, &QToolButton::clicked, this, [this, i] {
            if (editExpression) editExpression(i, QStringLiteral("="));
        });
    }
    pictureColumn->addStretch();
    auto* scroll = new QScrollArea(holder);
    scroll->setWidget(pictures);
    scroll->setWidgetResizable(false);
    // Every row in sight, beside its value; only the long formulas scroll sideways.
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFixedHeight((kLineHeight + 4) * kValueFunctions +
                           scroll->horizontalScrollBar()->sizeHint().height() +
                           2 * scroll->frameWidth());
    scroll->setFixedWidth(260);
    outer->addWidget(scroll);
    outer->addWidget(values, 1, Qt::AlignTop);
    return holder;
}

void ValueWindow::refresh() {
    const Document& ctx = context_();
    const ValueWindowState& w = ctx.project.valueWindow;
    const EngineSettings& settings = ctx.project.engine;
    showFormula(xImage_, xShown_, w.x.source, settings);
    const std::optional<Extended> x = valueWindowX(ctx);
    xImage_->setToolTip(x ? toQString(formatGeneral(*x, kHintDigits, settings.decimalChar))
                          : shownText("Values.undefined"));
    marker_->setChecked(!w.x.marked);
    const ValueRows values = valueRows(ctx, x);
    for (int i = 1; i <= kValueFunctions; ++i) {
        Row& r = rows_[static_cast<std::size_t>(i)];
        showFormula(r.image, r.shown, w.valueFunctions[i].source, settings, kPictureWidth);
        r.value->setText(
            toQString(valueRowText(values[static_cast<std::size_t>(i)], settings.decimalChar)));
    }
    if (QWidget* pictures = rows_[1].image->parentWidget()) pictures->adjustSize();
}

bool ValueWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        if (activated) activated();
        refresh();
    }
    return QWidget::event(event);
}

void ValueWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted() && closed) closed();
}

} // namespace tarlix
