#include "shell/IntegralWindow.h"

#include "document/IntegralValues.h"
#include "document/WindowSettingsEdit.h"
#include "expression/eval/NumberText.h"
#include "platform/qt/QtText.h"
#include "shell/FormulaImage.h"
#include "shell/ShownTexts.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarlix {

namespace {

constexpr int kLimitPointSize = 11;
constexpr int kLimitHeight = 26;
constexpr int kRowHeight = 24;
constexpr int kHintDigits = 15;

QToolButton* toolButton(QWidget* parent, const QString& text, const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(hint);
    return b;
}

} // namespace

IntegralWindow::IntegralWindow(std::function<Document&()> context, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), context_(std::move(context)) {
    setObjectName("FormIvalue");
    setWindowTitle(shownText("Integral.title"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(4);
    layout->addWidget(buildLimits());
    layout->addWidget(buildRows());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    refresh();
}

QWidget* IntegralWindow::buildLimits() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto limit = [&](Marker m, const char* key, int row) {
        QToolButton* image = toolButton(box, {}, {});
        image->setAutoRaise(true);
        image->setCursor(Qt::PointingHandCursor);
        image->setObjectName(m == Marker::LowerLimit ? "SImage" : "EImage");
        QToolButton* marker = toolButton(box, shownText(key), shownText(key));
        marker->setObjectName(m == Marker::LowerLimit ? "SbSx" : "SBEx");
        marker->setCheckable(true); // down: the limit's marker line is hidden
        grid->addWidget(marker, row, 0);
        grid->addWidget(image, row, 1, 1, 3);
        connect(image, &QToolButton::clicked, this, [this, m, key] {
            if (editLimit) editLimit(m, shownText(key));
        });
        connect(marker, &QToolButton::clicked, this,
                [this, m] { toggleMarkerShown(context_(), m); });
        (m == Marker::LowerLimit ? lowerImage_ : upperImage_) = image;
        (m == Marker::LowerLimit ? lowerMarker_ : upperMarker_) = marker;
    };
    limit(Marker::UpperLimit, "Integral.upper", 0);
    limit(Marker::LowerLimit, "Integral.lower", 1);

    integralMode_ = toolButton(box, shownText("Integral.integralMode"),
                               shownText("Integral.integralModeHint"));
    integralMode_->setObjectName("Btnarea1");
    areaMode_ = toolButton(box, shownText("Integral.areaMode"), shownText("Integral.areaModeHint"));
    areaMode_->setObjectName("Btnarea2");
    for (QToolButton* b : {integralMode_, areaMode_}) b->setCheckable(true);
    connect(integralMode_, &QToolButton::clicked, this,
            [this] { setIntegralAreaMode(context_(), false); });
    connect(areaMode_, &QToolButton::clicked, this,
            [this] { setIntegralAreaMode(context_(), true); });
    partitions_ = new QLineEdit(box);
    partitions_->setObjectName("Edit10");
    partitions_->setToolTip(shownText("Integral.partitionsHint"));
    partitions_->setMaximumWidth(48);
    connect(partitions_, &QLineEdit::editingFinished, this, &IntegralWindow::partitionsEntered);
    grid->addWidget(integralMode_, 2, 0);
    grid->addWidget(areaMode_, 2, 1);
    grid->addWidget(new QLabel(shownText("Integral.partitionsLabel"), box), 2, 2, Qt::AlignRight);
    grid->addWidget(partitions_, 2, 3);
    return box;
}

QWidget* IntegralWindow::buildRows() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    rowGrid_ = grid;
    grid->setContentsMargins(0, 4, 0, 0);
    grid->setVerticalSpacing(0);
    const char* captions[] = {"Integral.showColumn", "Integral.differenceColumn", nullptr,
                              "Integral.valueColumn"};
    for (int c = 0; c < 4; ++c)
        if (captions[c]) grid->addWidget(new QLabel(shownText(captions[c]), box), 0, c);
    shown_ = new QButtonGroup(this);
    subtracted_ = new QButtonGroup(this);
    for (int k = 0; k <= kExplicitFunctions; ++k) {
        Row& r = rows_[static_cast<std::size_t>(k)];
        r.show = new QRadioButton(box);
        r.show->setToolTip(shownText("Integral.showHint"));
        r.show->setEnabled(k != 0);
        r.difference = new QRadioButton(box);
        r.difference->setToolTip(shownText("Integral.differenceHint"));
        r.label = new QLabel(k == 0 ? QStringLiteral(" 0") : toQString(integralRowLabel(k)), box);
        r.value = new QLineEdit(box);
        r.value->setReadOnly(true);
        r.value->setMinimumWidth(130);
        shown_->addButton(r.show, k);
        subtracted_->addButton(r.difference, k);
        grid->addWidget(r.show, k + 1, 0, Qt::AlignHCenter);
        grid->addWidget(r.difference, k + 1, 1, Qt::AlignHCenter);
        grid->addWidget(r.label, k + 1, 2);
        grid->addWidget(r.value, k + 1, 3);
    }
    grid->setRowMinimumHeight(1, kRowHeight);
    connect(shown_, &QButtonGroup::idClicked, this, [this](int k) {
        // Only the shading changes: the rows keep their values.
        drawingOnly_ = true;
        setIntegratedFunction(context_(), k);
        drawingOnly_ = false;
    });
    connect(subtracted_, &QButtonGroup::idClicked, this,
            [this](int k) { setSubtractedFunction(context_(), k); });
    return box;
}

QToolButton* IntegralWindow::limitImage(Marker limit) const {
    return limit == Marker::LowerLimit ? lowerImage_ : upperImage_;
}

QToolButton* IntegralWindow::limitMarkerButton(Marker limit) const {
    return limit == Marker::LowerLimit ? lowerMarker_ : upperMarker_;
}

void IntegralWindow::refresh() {
    const Document& ctx = context_();
    const IntegralLimits limits = integralLimits(ctx);
    showLimit(Marker::LowerLimit, limits.lower);
    showLimit(Marker::UpperLimit, limits.upper);
    showSettings();
    if (!drawingOnly_) showRows();
}

// The limit's expression typeset (again only when its text changed) and its value as the hint.
void IntegralWindow::showLimit(Marker limit, std::optional<Extended> value) {
    const Document& ctx = context_();
    const CompiledExpression& e = markerExpression(ctx.project, limit);
    std::string& shown = limit == Marker::LowerLimit ? lowerShown_ : upperShown_;
    QToolButton* image = limitImage(limit);
    if (shown != e.source || image->icon().isNull()) {
        shown = e.source;
        const QImage picture =
            formulaImage(e.source, ctx.project.engine, kLimitPointSize, false, kLimitHeight);
        image->setIcon(QPixmap::fromImage(picture));
        image->setIconSize(picture.size());
    }
    image->setToolTip(value ? toQString(formatGeneral(*value, kHintDigits,
                                                      ctx.project.engine.decimalChar))
                            : shownText("Values.undefined"));
    limitMarkerButton(limit)->setChecked(!e.marked);
}

void IntegralWindow::showSettings() {
    const Project& p = context_().project;
    const IntegralWindowState& w = p.integralWindow;
    integralMode_->setChecked(!w.areaMode);
    areaMode_->setChecked(w.areaMode);
    if (!partitions_->hasFocus())
        partitions_->setText(QString::number(p.engine.integralPartitions));
    if (QAbstractButton* b = shown_->button(w.integratedFunction)) b->setChecked(true);
    if (QAbstractButton* b = subtracted_->button(w.secondFunction)) b->setChecked(true);
}

// Only the rows of functions that exist are listed, one under another in function order.
void IntegralWindow::showRows() {
    const Document& ctx = context_();
    const IntegralTable table = integralTable(ctx, integralRequestOf(ctx));
    for (int k = 1; k <= kExplicitFunctions; ++k) {
        const IntegralRow& row = table[static_cast<std::size_t>(k)];
        Row& r = rows_[static_cast<std::size_t>(k)];
        const bool listed = row.state != IntegralRowState::Missing;
        for (QWidget* w : {static_cast<QWidget*>(r.show), static_cast<QWidget*>(r.difference),
                           static_cast<QWidget*>(r.label), static_cast<QWidget*>(r.value)})
            w->setVisible(listed);
        rowGrid_->setRowMinimumHeight(k + 1, listed ? kRowHeight : 0);
        r.value->setText(toQString(integralRowText(row, ctx.project.engine.decimalChar)));
    }
}

// A partition count must be even and within 2..200; another is refused with its message and
// the count in force is written back.
void IntegralWindow::partitionsEntered() {
    if (checkingPartitions_) return;
    checkingPartitions_ = true;
    Document& ctx = context_();
    const auto n = partitionsFromText(fromQString(partitions_->text()));
    if (!n) {
        ctx.messages.show(kMsgPartitions, MessageKind::Error, false);
        partitions_->setText(QString::number(ctx.project.engine.integralPartitions));
    } else if (*n != ctx.project.engine.integralPartitions) {
        setIntegralPartitions(ctx, *n);
    }
    checkingPartitions_ = false;
}

void IntegralWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted() && closed) closed();
}

} // namespace tarlix
