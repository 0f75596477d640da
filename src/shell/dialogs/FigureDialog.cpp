#include "shell/dialogs/FigureDialog.h"

#include "document/PropertyEdits.h"
#include "platform/qt/QtText.h"
#include "shell/CalculatorRequests.h"
#include "shell/DialogButtons.h"
#include "shell/ShownTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarlix {

namespace {
enum class Field { X, Y, R, Whole, Low, High, Letter, Step };
constexpr int kFieldCount = 8;
const char* const kFieldNames[kFieldCount] = {"x", "y", "r", "X", "low", "high", "letter", "step"};
const char* const kFieldCaptions[kFieldCount] = {"x", "y", "r", "X", "min", "max", "", ""};

enum class PenRole {
    PointColor,
    PointWidth,
    PointStyle,
    LineColor,
    LineWidth,
    FillColor,
    Pattern,
    LineStyle,
    Locus,
    FigureType,
};
constexpr int kPenCount = 10;

// The place of a field or pen in the dialog's arrays.
template <typename E> std::size_t at(E e) {
    return static_cast<std::size_t>(e);
}
const char* const kPenNames[kPenCount] = {"pointColor", "pointWidth", "pointStyle", "lineColor",
                                          "lineWidth",  "fillColor",  "pattern",    "lineStyle",
                                          "locusWidth", "figureType"};
const PenPanel kPenPanels[kPenCount] = {
    PenPanel::Colour, PenPanel::Width,     PenPanel::PointStyle, PenPanel::Colour,
    PenPanel::Width,  PenPanel::Colour,    PenPanel::Pattern,    PenPanel::LineStyle,
    PenPanel::Width,  PenPanel::FigureType};

const char* const kKindHints[7] = {nullptr,
                                   "Figure.kindPoint",
                                   "Figure.kindCircle",
                                   "Figure.kindHorizontal",
                                   "Figure.kindVertical",
                                   "Figure.kindPolar",
                                   "Figure.kindParametric"};
constexpr int kLastFigure = 22; // O, the origin figure
constexpr FigureKind kFigureKinds[] = {FigureKind::Point,          FigureKind::Circle,
                                       FigureKind::HorizontalLine, FigureKind::VerticalLine,
                                       FigureKind::Polar,          FigureKind::Parametric};

// The kinds typed as a point (x, y), or as one pair in vector notation.
bool typedAsPoint(FigureKind kind) {
    return isPointKind(kind) || kind == FigureKind::Parametric;
}

// Which fields each kind shows (the whole point only in vector notation).
bool fieldShown(Field f, FigureKind kind, bool vectors) {
    switch (f) {
    case Field::X:
        return typedAsPoint(kind) ? !vectors : kind == FigureKind::VerticalLine;
    case Field::Y:
        return typedAsPoint(kind) ? !vectors : kind == FigureKind::HorizontalLine;
    case Field::Whole:
        return vectors && typedAsPoint(kind);
    case Field::R:
        return hasRadius(kind) || kind == FigureKind::Polar;
    default:
        return isCurveKind(kind);
    }
}

// The kind buttons' ids are the kinds' numbers.
int buttonId(FigureKind kind) {
    return static_cast<int>(kind);
}

QString stepText(Extended step) {
    return QString::number(static_cast<double>(step), 'g', 12);
}
} // namespace

FigureDialog::FigureDialog(PenPaletteWindow* palette, FigureDefaults& defaults, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), palette_(palette),
      defaults_(defaults) {
    setObjectName("PntProperty");
    build();
}

void FigureDialog::build() {
    auto* layout = new QVBoxLayout(this);
    auto* kindRow = new QHBoxLayout;
    kinds_ = new QButtonGroup(this);
    for (FigureKind kind : kFigureKinds) {
        auto* b = new QToolButton(this);
        b->setCheckable(true);
        b->setText(shownText(kKindHints[buttonId(kind)]));
        b->setToolTip(shownText(kKindHints[buttonId(kind)]));
        kinds_->addButton(b, buttonId(kind));
        kindRow->addWidget(b);
    }
    connect(kinds_, &QButtonGroup::idClicked, this, [this](int id) {
        takeFields();
        setKind(static_cast<FigureKind>(id));
    });
    layout->addLayout(kindRow);
    caption_ = new QLabel(this);
    layout->addWidget(caption_);

    auto* grid = new QGridLayout;
    for (int f = 0; f < kFieldCount; ++f) {
        const auto field = static_cast<Field>(f);
        auto* row = new QWidget(this);
        auto* h = new QHBoxLayout(row);
        h->setContentsMargins(0, 0, 0, 0);
        auto* edit = new QLineEdit(row);
        edit->setObjectName(kFieldNames[f]);
        fields_[static_cast<std::size_t>(f)] = edit;
        rows_[static_cast<std::size_t>(f)] = row;
        if (field == Field::Letter) {
            h->addWidget(new QLabel(shownText("Figure.parameter"), row));
            edit->setMaxLength(1);
        } else if (field == Field::Step) {
            h->addWidget(new QLabel(shownText("Figure.step"), row));
        } else {
            h->addWidget(new QLabel(QString::fromLatin1(kFieldCaptions[f]) + " =", row));
        }
        h->addWidget(edit);
        if (field == Field::Step) {
            edit->installEventFilter(this); // a double click edits it in the formula editor
            auto* up = new QToolButton(row);
            up->setObjectName("sbPrmDup");
            up->setArrowType(Qt::UpArrow);
            auto* down = new QToolButton(row);
            down->setObjectName("sbPrmDDwn");
            down->setArrowType(Qt::DownArrow);
            connect(up, &QToolButton::clicked, this, [this] { stepIncrement(true); });
            connect(down, &QToolButton::clicked, this, [this] { stepIncrement(false); });
            h->addWidget(up);
            h->addWidget(down);
        } else if (field != Field::Letter) {
            auto* formula = new QToolButton(row);
            formula->setText("…");
            formula->setToolTip(
                shownText(field == Field::R ? "Figure.radius" : "Figure.editFormula"));
            if (field == Field::R) radiusButton_ = formula;
            connect(formula, &QToolButton::clicked, this, [this, edit, f, field] {
                if (openCalculator)
                    openCalculator(fieldRequest(
                        edit, QString::fromLatin1(kFieldCaptions[f]) + "=",
                        field == Field::Low || field == Field::High ? kModePlain : n_));
            });
            h->addWidget(formula);
        }
        if (field == Field::Low || field == Field::High) {
            // Quick choices for the range.
            auto* quick = new QComboBox(row);
            const QStringList choices = field == Field::Low
                                            ? QStringList{"0", "-1", "-5", "-Pi", "-180"}
                                            : QStringList{"1", "5", "Pi", "2Pi", "180", "360"};
            quick->addItems(choices);
            quick->setCurrentIndex(-1);
            connect(quick, &QComboBox::activated, this,
                    [edit, quick](int i) { edit->setText(quick->itemText(i)); });
            h->addWidget(quick);
        }
        grid->addWidget(row, f, 0);
    }
    layout->addLayout(grid);

    auto* pens = new QWidget(this);
    buildPens(pens);
    layout->addWidget(pens);

    auto* checks = new QGridLayout;
    pointAfterimage_ = new QCheckBox(shownText("Figure.afterimage"), this);
    lineAfterimage_ = new QCheckBox(shownText("Figure.afterimage"), this);
    curveAfterimage_ = new QCheckBox(shownText("Figure.afterimage"), this);
    drag_ = new QCheckBox(shownText("Figure.drag"), this);
    vectors_ = new QCheckBox(shownText("Figure.vectors"), this);
    connect(vectors_, &QCheckBox::toggled, this, [this] {
        takeFields();
        entry_.notation =
            vectors_->isChecked() ? FigureNotation::Vector : FigureNotation::Coordinates;
        showNotation();
    });
    checks->addWidget(pointAfterimage_, 0, 0);
    checks->addWidget(lineAfterimage_, 0, 1);
    checks->addWidget(curveAfterimage_, 0, 2);
    checks->addWidget(drag_, 1, 0);
    checks->addWidget(vectors_, 1, 1);
    layout->addLayout(checks);

    auto* labelRow = new QHBoxLayout;
    positions_ = new QButtonGroup(this);
    positions_->setExclusive(false);
    auto* positionGrid = new QGridLayout;
    for (int i = 1; i <= 9; ++i) {
        auto* b = new QToolButton(this);
        b->setCheckable(true);
        b->setFixedSize(14, 14);
        positions_->addButton(b, i);
        positionGrid->addWidget(b, (i - 1) / 3, (i - 1) % 3);
    }
    // At most one position is pressed; pressing the pressed one leaves none (no label).
    connect(positions_, &QButtonGroup::idClicked, this, [this](int id) {
        for (QAbstractButton* b : positions_->buttons())
            if (positions_->id(b) != id) b->setChecked(false);
    });
    labelRow->addLayout(positionGrid);
    labelBox_ = new QComboBox(this);
    labelBox_->setEditable(true);
    connect(labelBox_, &QComboBox::activated, this, [this](int i) { chooseLabel(i); });
    labelRow->addWidget(labelBox_, 1);
    layout->addLayout(labelRow);

    auto* buttons = new QHBoxLayout;
    delete_ = new QPushButton(shownText("Dialog.delete"), this);
    ok_ = new QPushButton(shownText("Dialog.ok"), this);
    auto* cancel = new QPushButton(shownText("Dialog.cancel"), this);
    makeEnterMeanOk(*this, *ok_);
    connect(delete_, &QPushButton::clicked, this, [this] {
        entry_ = blankFigure(n_);
        showEntry();
    });
    connect(ok_, &QPushButton::clicked, this, &FigureDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &FigureDialog::reject);
    buttons->addWidget(delete_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void FigureDialog::buildPens(QWidget* holder) {
    auto* h = new QHBoxLayout(holder);
    h->setContentsMargins(0, 0, 0, 0);
    for (int p = 0; p < kPenCount; ++p) {
        auto* b = new PenButton(palette_, kPenPanels[p],
                                shownText(std::string("Figure.") + kPenNames[p]), holder);
        b->setObjectName(kPenNames[p]);
        if (static_cast<PenRole>(p) == PenRole::LineColor) b->setDropMode(ColourTarget::Line);
        if (static_cast<PenRole>(p) == PenRole::FillColor) b->setDropMode(ColourTarget::Inside);
        pens_[static_cast<std::size_t>(p)] = b;
        h->addWidget(b);
    }
    h->addStretch();
}

void FigureDialog::open(int n, FigureKinds allowedKinds) {
    const Project& project = context().project;
    if (!project.figures.contains(n)) return;
    n_ = n;
    entry_ = project.figures[n];
    if (entry_.kind == FigureKind::Empty) {
        entry_.pointColor = defaults_.pointColor;
        entry_.lineColor = defaults_.lineColor;
        entry_.pointSize = static_cast<std::uint8_t>(defaults_.pointWidth);
        entry_.lineWidth = static_cast<std::uint8_t>(defaults_.lineWidth);
        entry_.curveStyle = static_cast<std::uint8_t>(defaults_.lineStyle);
        entry_.notation = defaults_.dimension == FigureNotation::Vector
                              ? FigureNotation::Vector
                              : FigureNotation::Coordinates;
        entry_.paramStep = 0.1L;
        entry_.kind =
            allowedKinds != FigureKinds::Curves ? FigureKind::Point : FigureKind::Parametric;
    }
    const bool origin = n == kLastFigure;
    for (FigureKind kind : kFigureKinds) {
        const bool offered = allowedKinds == FigureKinds::All ||
                             isCurveKind(kind) == (allowedKinds == FigureKinds::Curves);
        kindButton(kind)->setEnabled(offered && !(origin && !isPointKind(kind)));
    }
    for (QWidget* w : std::initializer_list<QWidget*>{
             drag_, pointAfterimage_, vectors_, delete_, pens_[at(PenRole::Locus)],
             pens_[at(PenRole::PointStyle)], pens_[at(PenRole::FigureType)]})
        w->setEnabled(!origin);
    setWindowTitle(shownText("Figure.title") + " " + QChar(figureLetter(n)) + " " +
                   shownText("Dialog.titleEnd"));
    showEntry();
    if (lastPosition_) move(*lastPosition_);
    show();
    raise();
    activateWindow();
}

void FigureDialog::showEntry() {
    const char sep = context().project.engine.listSeparatorChar;
    fields_[at(Field::X)]->setText(editableText(entry_.x.source));
    fields_[at(Field::Y)]->setText(editableText(entry_.y.source));
    fields_[at(Field::R)]->setText(editableText(entry_.radius.source));
    fields_[at(Field::Whole)]->setText(
        editableText(joinWholePoint(entry_.x.source, entry_.y.source, sep)));
    fields_[at(Field::Low)]->setText(editableText(entry_.paramLow.source));
    fields_[at(Field::High)]->setText(editableText(entry_.paramHigh.source));
    fields_[at(Field::Letter)]->setText(editableText(std::string(1, entry_.paramLetter)));
    fields_[at(Field::Step)]->setText(stepText(entry_.paramStep));
    const unsigned values[kPenCount] = {
        entry_.pointColor,       entry_.pointSize,
        entry_.hollow ? 1u : 2u, entry_.lineColor,
        entry_.lineWidth,        entry_.fillColor,
        entry_.fillPattern,      entry_.curveStyle,
        entry_.locusWidth,       static_cast<unsigned>(entry_.curveFill)};
    for (int p = 0; p < kPenCount; ++p) pens_[static_cast<std::size_t>(p)]->setValue(values[p]);
    pointAfterimage_->setChecked(entry_.pointAfterimage);
    lineAfterimage_->setChecked(entry_.lineAfterimage);
    curveAfterimage_->setChecked(entry_.lineAfterimage);
    drag_->setChecked(entry_.drag);
    vectors_->blockSignals(true);
    vectors_->setChecked(entry_.notation == FigureNotation::Vector);
    vectors_->blockSignals(false);
    for (QAbstractButton* b : positions_->buttons())
        b->setChecked(positions_->id(b) == entry_.labelPosition);
    labelBox_->setEditText(editableText(entry_.label));
    setKind(entry_.kind);
}

// The kind chosen shows its fields and captions and takes the curve defaults.
void FigureDialog::setKind(FigureKind kind) {
    entry_.kind = kind;
    if (kind != FigureKind::Empty) kindButton(kind)->setChecked(true);
    if (isCurveKind(kind)) {
        if (entry_.locusWidth == 0) entry_.locusWidth = 2;
        if (entry_.paramLow.source.empty()) entry_.paramLow.source = "0";
        if (entry_.paramHigh.source.empty()) entry_.paramHigh.source = "2Pi";
        if (fields_[at(Field::Low)]->text().isEmpty()) fields_[at(Field::Low)]->setText("0");
        if (fields_[at(Field::High)]->text().isEmpty()) fields_[at(Field::High)]->setText("2Pi");
        if (!(entry_.paramStep > 0)) fields_[at(Field::Step)]->setText(stepText(0.1L));
        pens_[at(PenRole::Locus)]->setValue(entry_.locusWidth);
    }
    // The polar kind's r is the curve's equation, the others' a radius.
    radiusButton_->setToolTip(
        shownText(kind == FigureKind::Polar ? "Figure.polarHint" : "Figure.radius"));
    caption_->setText(shownText(kind == FigureKind::Circle ? "Figure.centre"
                                : isLineKind(kind)         ? "Figure.line"
                                                           : "Figure.point"));
    pointAfterimage_->setVisible(isPointKind(kind));
    lineAfterimage_->setVisible(hasRadius(kind));
    curveAfterimage_->setVisible(isCurveKind(kind));
    fillLabelChoices();
    showNotation();
}

void FigureDialog::showNotation() {
    const bool vectors = entry_.notation == FigureNotation::Vector;
    if (vectors) {
        fields_[at(Field::Whole)]->setText(
            fields_[at(Field::X)]->text().isEmpty() && fields_[at(Field::Y)]->text().isEmpty()
                ? QString()
                : editableText(joinWholePoint(typedText(fields_[at(Field::X)]->text()),
                                              typedText(fields_[at(Field::Y)]->text()),
                                              context().project.engine.listSeparatorChar)));
    }
    for (int f = 0; f < kFieldCount; ++f)
        rows_[static_cast<std::size_t>(f)]->setVisible(
            fieldShown(static_cast<Field>(f), entry_.kind, vectors));
}

void FigureDialog::fillLabelChoices() {
    const QString letter(QChar(figureLetter(n_ == 0 ? 1 : n_)));
    const QString current = labelBox_->currentText();
    labelBox_->clear();
    labelBox_->addItem(letter);
    const FigureKind kind = entry_.kind;
    if (isPointKind(kind) || isCurveKind(kind)) {
        labelBox_->addItem("!{(x,y)}//" + shownText("Figure.coordinates"));
        labelBox_->addItem(letter + "!{(x,y)}//" + shownText("Figure.coordinates"));
        labelBox_->addItem("!{([X],argX)|3}//" + shownText("Figure.polarCoordinates"));
        labelBox_->addItem(letter + "!{([X],argX)|3}//" + shownText("Figure.polarCoordinates"));
    } else if (kind == FigureKind::VerticalLine) {
        labelBox_->addItem("{x=!{x}}//" + shownText("Figure.equation"));
    } else if (kind == FigureKind::HorizontalLine) {
        labelBox_->addItem("{y=!{y}}//" + shownText("Figure.equation"));
    }
    labelBox_->setEditText(current);
}

// A choice made while no position is pressed shows the label at the third position.
void FigureDialog::chooseLabel(int index) {
    labelBox_->setEditText(labelBox_->itemText(index));
    if (positions_->checkedId() < 1) positions_->button(3)->setChecked(true);
}

void FigureDialog::stepIncrement(bool larger) {
    bool ok = false;
    const double current = fields_[at(Field::Step)]->text().toDouble(&ok);
    if (!ok) return;
    if (const auto next = steppedIncrement(current, larger))
        fields_[at(Field::Step)]->setText(stepText(*next));
}

void FigureDialog::takeFields() {
    if (entry_.notation == FigureNotation::Vector && rows_[at(Field::Whole)]->isVisible()) {
        std::string x, y;
        splitWholePoint(typedText(fields_[at(Field::Whole)]->text()),
                        context().project.engine.listSeparatorChar, x, y);
        fields_[at(Field::X)]->setText(editableText(x));
        fields_[at(Field::Y)]->setText(editableText(y));
    }
    entry_.x.source = typedText(fields_[at(Field::X)]->text());
    entry_.y.source = typedText(fields_[at(Field::Y)]->text());
    entry_.radius.source = typedText(fields_[at(Field::R)]->text());
    entry_.paramLow.source = typedText(fields_[at(Field::Low)]->text());
    entry_.paramHigh.source = typedText(fields_[at(Field::High)]->text());
    const std::string letter = typedText(fields_[at(Field::Letter)]->text());
    entry_.paramLetter = letter.empty() ? 't' : letter[0];
    bool ok = false;
    const double step = fields_[at(Field::Step)]->text().toDouble(&ok);
    entry_.paramStep = ok ? step : 0;
    entry_.pointColor = pens_[at(PenRole::PointColor)]->value();
    entry_.pointSize = static_cast<std::uint8_t>(pens_[at(PenRole::PointWidth)]->value());
    entry_.hollow = pens_[at(PenRole::PointStyle)]->value() == 1;
    entry_.lineColor = pens_[at(PenRole::LineColor)]->value();
    entry_.lineWidth = static_cast<std::uint8_t>(pens_[at(PenRole::LineWidth)]->value());
    entry_.fillColor = pens_[at(PenRole::FillColor)]->value();
    entry_.fillPattern = static_cast<std::uint8_t>(pens_[at(PenRole::Pattern)]->value());
    entry_.curveStyle = static_cast<std::uint8_t>(pens_[at(PenRole::LineStyle)]->value());
    entry_.locusWidth = static_cast<std::uint8_t>(pens_[at(PenRole::Locus)]->value());
    entry_.curveFill = static_cast<CurveFill>(pens_[at(PenRole::FigureType)]->value());
    entry_.pointAfterimage = pointAfterimage_->isChecked();
    entry_.lineAfterimage =
        isCurveKind(entry_.kind) ? curveAfterimage_->isChecked() : lineAfterimage_->isChecked();
    entry_.drag = drag_->isChecked();
    entry_.notation = vectors_->isChecked() ? FigureNotation::Vector : FigureNotation::Coordinates;
    const int position = positions_->checkedId();
    entry_.labelPosition = static_cast<std::uint8_t>(position < 1 ? 0 : position);
    entry_.label = typedText(labelBox_->currentText());
}

void FigureDialog::accept() {
    if (entry_.kind != FigureKind::Empty) takeFields();
    Document& ctx = context();
    if (!confirmFigure(ctx, n_, entry_, defaults_)) return;
    QDialog::accept();
    if (isCurveKind(entry_.kind) && curveStored) curveStored(entry_.paramLetter, entry_.paramStep);
}

bool FigureDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fields_[at(Field::Step)] && event->type() == QEvent::MouseButtonDblClick) {
        if (openCalculator && context) {
            QLineEdit* box = fields_[at(Field::Step)];
            openCalculator(numberRequest(
                context, "Step=", typedText(box->text()),
                [box](Extended, const std::string& text) { box->setText(toQString(text)); }));
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// The dialog opens again where it was closed.
void FigureDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    lastPosition_ = pos();
}

QLineEdit* FigureDialog::field(const char* name) const {
    for (int f = 0; f < kFieldCount; ++f)
        if (std::string(kFieldNames[f]) == name) return fields_[static_cast<std::size_t>(f)];
    return nullptr;
}

QAbstractButton* FigureDialog::kindButton(FigureKind kind) const {
    return kinds_->button(buttonId(kind));
}

QAbstractButton* FigureDialog::labelButton(int position) const {
    return positions_->button(position);
}

PenButton* FigureDialog::pen(const char* name) const {
    for (int p = 0; p < kPenCount; ++p)
        if (std::string(kPenNames[p]) == name) return pens_[static_cast<std::size_t>(p)];
    return nullptr;
}

} // namespace tarlix
