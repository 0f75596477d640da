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
enum Field { fX, fY, fR, fWhole, fLow, fHigh, fLetter, fStep, fieldCount };
const char* const kFieldNames[fieldCount] = {"x", "y", "r", "X", "low", "high", "letter", "step"};
const char* const kFieldCaptions[fieldCount] = {"x", "y", "r", "X", "min", "max", "", ""};

enum Pen {
    pPointColor,
    pPointWidth,
    pPointStyle,
    pLineColor,
    pLineWidth,
    pFillColor,
    pPattern,
    pLineStyle,
    pLocus,
    pFigureType,
    penCount
};
const char* const kPenNames[penCount] = {"pointColor", "pointWidth", "pointStyle", "lineColor",
                                         "lineWidth",  "fillColor",  "pattern",    "lineStyle",
                                         "locusWidth", "figureType"};
const PenPanel kPenPanels[penCount] = {
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

bool isCurve(int kind) {
    return kind == 5 || kind == 6;
}

// Which fields each kind shows (the whole point only in vector notation).
bool fieldShown(Field f, int kind, bool vectors) {
    switch (f) {
    case fX:
        return (kind == 1 || kind == 2 || kind == 6) ? !vectors : kind == 4;
    case fY:
        return (kind == 1 || kind == 2 || kind == 6) ? !vectors : kind == 3;
    case fWhole:
        return vectors && (kind == 1 || kind == 2 || kind == 6);
    case fR:
        return kind >= 2 && kind <= 5;
    default:
        return isCurve(kind);
    }
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
    for (int k = 1; k <= 6; ++k) {
        auto* b = new QToolButton(this);
        b->setCheckable(true);
        b->setText(shownText(kKindHints[k]));
        b->setToolTip(shownText(kKindHints[k]));
        kinds_->addButton(b, k);
        kindRow->addWidget(b);
    }
    connect(kinds_, &QButtonGroup::idClicked, this, [this](int k) {
        takeFields();
        setKind(k);
    });
    layout->addLayout(kindRow);
    caption_ = new QLabel(this);
    layout->addWidget(caption_);

    auto* grid = new QGridLayout;
    for (int f = 0; f < fieldCount; ++f) {
        auto* row = new QWidget(this);
        auto* h = new QHBoxLayout(row);
        h->setContentsMargins(0, 0, 0, 0);
        auto* edit = new QLineEdit(row);
        edit->setObjectName(kFieldNames[f]);
        fields_[static_cast<std::size_t>(f)] = edit;
        rows_[static_cast<std::size_t>(f)] = row;
        if (f == fLetter) {
            h->addWidget(new QLabel(shownText("Figure.parameter"), row));
            edit->setMaxLength(1);
        } else if (f == fStep) {
            h->addWidget(new QLabel(shownText("Figure.step"), row));
        } else {
            h->addWidget(new QLabel(QString::fromLatin1(kFieldCaptions[f]) + " =", row));
        }
        h->addWidget(edit);
        if (f == fStep) {
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
        } else if (f != fLetter) {
            auto* formula = new QToolButton(row);
            formula->setText("…");
            formula->setToolTip(shownText(f == fR ? "Figure.radius" : "Figure.editFormula"));
            if (f == fR) radiusButton_ = formula;
            connect(formula, &QToolButton::clicked, this, [this, edit, f] {
                if (openCalculator)
                    openCalculator(fieldRequest(edit, QString::fromLatin1(kFieldCaptions[f]) + "=",
                                                f == fLow || f == fHigh ? kModePlain : n_));
            });
            h->addWidget(formula);
        }
        if (f == fLow || f == fHigh) {
            // Quick choices for the range.
            auto* quick = new QComboBox(row);
            const QStringList choices = f == fLow
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
        entry_.notation = vectors_->isChecked() ? 2 : 1;
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
    for (int p = 0; p < penCount; ++p) {
        auto* b = new PenButton(palette_, kPenPanels[p],
                                shownText(std::string("Figure.") + kPenNames[p]), holder);
        b->setObjectName(kPenNames[p]);
        if (p == pLineColor) b->setDropMode(ColourTarget::Line);
        if (p == pFillColor) b->setDropMode(ColourTarget::Inside);
        pens_[static_cast<std::size_t>(p)] = b;
        h->addWidget(b);
    }
    h->addStretch();
}

void FigureDialog::open(int n, int allowedKinds) {
    const Project& project = context().project;
    if (!project.figures.contains(n)) return;
    n_ = n;
    entry_ = project.figures[n];
    if (entry_.kind == 0) {
        entry_.pointColor = defaults_.pointColor;
        entry_.lineColor = defaults_.lineColor;
        entry_.pointSize = static_cast<std::uint8_t>(defaults_.pointWidth);
        entry_.lineWidth = static_cast<std::uint8_t>(defaults_.lineWidth);
        entry_.curveStyle = static_cast<std::uint8_t>(defaults_.lineStyle);
        entry_.notation = static_cast<std::uint8_t>(defaults_.dimension == 2 ? 2 : 1);
        entry_.paramStep = 0.1L;
        entry_.kind = (allowedKinds & fkBasic) ? 1 : 6;
    }
    for (int k = 1; k <= 6; ++k)
        kinds_->button(k)->setEnabled(isCurve(k) ? (allowedKinds & fkCurves) != 0
                                                 : (allowedKinds & fkBasic) != 0);
    const bool origin = n == kLastFigure;
    for (int k : {3, 4, 5, 6})
        kinds_->button(k)->setEnabled(kinds_->button(k)->isEnabled() && !origin);
    for (QWidget* w :
         std::initializer_list<QWidget*>{drag_, pointAfterimage_, vectors_, delete_, pens_[pLocus],
                                         pens_[pPointStyle], pens_[pFigureType]})
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
    fields_[fX]->setText(editableText(entry_.x.source));
    fields_[fY]->setText(editableText(entry_.y.source));
    fields_[fR]->setText(editableText(entry_.radius.source));
    fields_[fWhole]->setText(editableText(joinWholePoint(entry_.x.source, entry_.y.source, sep)));
    fields_[fLow]->setText(editableText(entry_.paramLow.source));
    fields_[fHigh]->setText(editableText(entry_.paramHigh.source));
    fields_[fLetter]->setText(editableText(std::string(1, entry_.paramLetter)));
    fields_[fStep]->setText(stepText(entry_.paramStep));
    const unsigned values[penCount] = {
        entry_.pointColor, entry_.pointSize, entry_.hollow ? 1u : 2u, entry_.lineColor,
        entry_.lineWidth,  entry_.fillColor, entry_.fillPattern,      entry_.curveStyle,
        entry_.locusWidth, entry_.curveFill};
    for (int p = 0; p < penCount; ++p) pens_[static_cast<std::size_t>(p)]->setValue(values[p]);
    pointAfterimage_->setChecked(entry_.pointAfterimage);
    lineAfterimage_->setChecked(entry_.lineAfterimage);
    curveAfterimage_->setChecked(entry_.lineAfterimage);
    drag_->setChecked(entry_.drag);
    vectors_->blockSignals(true);
    vectors_->setChecked(entry_.notation == 2);
    vectors_->blockSignals(false);
    for (QAbstractButton* b : positions_->buttons())
        b->setChecked(positions_->id(b) == entry_.labelPosition);
    labelBox_->setEditText(editableText(entry_.label));
    setKind(entry_.kind);
}

// The kind chosen shows its fields and captions and takes the curve defaults.
void FigureDialog::setKind(int kind) {
    if (kind < 0 || kind > 6) return;
    entry_.kind = static_cast<std::uint8_t>(kind);
    if (kind != 0) kinds_->button(kind)->setChecked(true);
    if (isCurve(kind)) {
        if (entry_.locusWidth == 0) entry_.locusWidth = 2;
        if (entry_.paramLow.source.empty()) entry_.paramLow.source = "0";
        if (entry_.paramHigh.source.empty()) entry_.paramHigh.source = "2Pi";
        if (fields_[fLow]->text().isEmpty()) fields_[fLow]->setText("0");
        if (fields_[fHigh]->text().isEmpty()) fields_[fHigh]->setText("2Pi");
        if (!(entry_.paramStep > 0)) fields_[fStep]->setText(stepText(0.1L));
        pens_[pLocus]->setValue(entry_.locusWidth);
    }
    // The polar kind's r is the curve's equation, the others' a radius.
    radiusButton_->setToolTip(shownText(kind == 5 ? "Figure.polarHint" : "Figure.radius"));
    caption_->setText(shownText(kind == 2                ? "Figure.centre"
                                : kind == 3 || kind == 4 ? "Figure.line"
                                                         : "Figure.point"));
    pointAfterimage_->setVisible(kind == 1 || kind == 2);
    lineAfterimage_->setVisible(kind >= 2 && kind <= 4);
    curveAfterimage_->setVisible(isCurve(kind));
    fillLabelChoices();
    showNotation();
}

void FigureDialog::showNotation() {
    const bool vectors = entry_.notation == 2;
    if (vectors) {
        fields_[fWhole]->setText(
            fields_[fX]->text().isEmpty() && fields_[fY]->text().isEmpty()
                ? QString()
                : editableText(joinWholePoint(typedText(fields_[fX]->text()),
                                              typedText(fields_[fY]->text()),
                                              context().project.engine.listSeparatorChar)));
    }
    for (int f = 0; f < fieldCount; ++f)
        rows_[static_cast<std::size_t>(f)]->setVisible(
            fieldShown(static_cast<Field>(f), entry_.kind, vectors));
}

void FigureDialog::fillLabelChoices() {
    const QString letter(QChar(figureLetter(n_ == 0 ? 1 : n_)));
    const QString current = labelBox_->currentText();
    labelBox_->clear();
    labelBox_->addItem(letter);
    const int kind = entry_.kind;
    if (kind == 1 || kind == 2 || isCurve(kind)) {
        labelBox_->addItem("!{(x,y)}//" + shownText("Figure.coordinates"));
        labelBox_->addItem(letter + "!{(x,y)}//" + shownText("Figure.coordinates"));
        labelBox_->addItem("!{([X],argX)|3}//" + shownText("Figure.polarCoordinates"));
        labelBox_->addItem(letter + "!{([X],argX)|3}//" + shownText("Figure.polarCoordinates"));
    } else if (kind == 4) {
        labelBox_->addItem("{x=!{x}}//" + shownText("Figure.equation"));
    } else if (kind == 3) {
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
    const double current = fields_[fStep]->text().toDouble(&ok);
    if (!ok) return;
    if (const auto next = steppedIncrement(current, larger))
        fields_[fStep]->setText(stepText(*next));
}

void FigureDialog::takeFields() {
    if (entry_.notation == 2 && rows_[fWhole]->isVisible()) {
        std::string x, y;
        splitWholePoint(typedText(fields_[fWhole]->text()),
                        context().project.engine.listSeparatorChar, x, y);
        fields_[fX]->setText(editableText(x));
        fields_[fY]->setText(editableText(y));
    }
    entry_.x.source = typedText(fields_[fX]->text());
    entry_.y.source = typedText(fields_[fY]->text());
    entry_.radius.source = typedText(fields_[fR]->text());
    entry_.paramLow.source = typedText(fields_[fLow]->text());
    entry_.paramHigh.source = typedText(fields_[fHigh]->text());
    const std::string letter = typedText(fields_[fLetter]->text());
    entry_.paramLetter = letter.empty() ? 't' : letter[0];
    bool ok = false;
    const double step = fields_[fStep]->text().toDouble(&ok);
    entry_.paramStep = ok ? step : 0;
    entry_.pointColor = pens_[pPointColor]->value();
    entry_.pointSize = static_cast<std::uint8_t>(pens_[pPointWidth]->value());
    entry_.hollow = pens_[pPointStyle]->value() == 1;
    entry_.lineColor = pens_[pLineColor]->value();
    entry_.lineWidth = static_cast<std::uint8_t>(pens_[pLineWidth]->value());
    entry_.fillColor = pens_[pFillColor]->value();
    entry_.fillPattern = static_cast<std::uint8_t>(pens_[pPattern]->value());
    entry_.curveStyle = static_cast<std::uint8_t>(pens_[pLineStyle]->value());
    entry_.locusWidth = static_cast<std::uint8_t>(pens_[pLocus]->value());
    entry_.curveFill = static_cast<std::uint8_t>(pens_[pFigureType]->value());
    entry_.pointAfterimage = pointAfterimage_->isChecked();
    entry_.lineAfterimage =
        isCurve(entry_.kind) ? curveAfterimage_->isChecked() : lineAfterimage_->isChecked();
    entry_.drag = drag_->isChecked();
    entry_.notation = vectors_->isChecked() ? 2 : 1;
    const int position = positions_->checkedId();
    entry_.labelPosition = static_cast<std::uint8_t>(position < 1 ? 0 : position);
    entry_.label = typedText(labelBox_->currentText());
}

void FigureDialog::accept() {
    if (entry_.kind != 0) takeFields();
    ProjectContext ctx = context();
    if (!confirmFigure(ctx, n_, entry_, defaults_)) return;
    QDialog::accept();
    if (isCurve(entry_.kind) && curveStored) curveStored(entry_.paramLetter, entry_.paramStep);
}

bool FigureDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fields_[fStep] && event->type() == QEvent::MouseButtonDblClick) {
        if (openCalculator && context) {
            QLineEdit* box = fields_[fStep];
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
    for (int f = 0; f < fieldCount; ++f)
        if (std::string(kFieldNames[f]) == name) return fields_[static_cast<std::size_t>(f)];
    return nullptr;
}

QAbstractButton* FigureDialog::kindButton(int kind) const {
    return kinds_->button(kind);
}

QAbstractButton* FigureDialog::labelButton(int position) const {
    return positions_->button(position);
}

PenButton* FigureDialog::pen(const char* name) const {
    for (int p = 0; p < penCount; ++p)
        if (std::string(kPenNames[p]) == name) return pens_[static_cast<std::size_t>(p)];
    return nullptr;
}

} // namespace tarlix
