#include "shell/dialogs/SegmentDialog.h"

#include "document/PropertyEdits.h"
#include "document/RowTexts.h"
#include "platform/qt/QtText.h"
#include "shell/DialogButtons.h"
#include "shell/ShownTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarlix {

namespace {
// Kind buttons in the order they stand; None (delete on OK) has a hidden button.
constexpr SegmentKind kKinds[] = {
    SegmentKind::None,  SegmentKind::Segment,   SegmentKind::Line,     SegmentKind::Vector,
    SegmentKind::Ray,   SegmentKind::Rectangle, SegmentKind::Polyline, SegmentKind::Polygon,
    SegmentKind::Angle, SegmentKind::Arc,       SegmentKind::Bracket,  SegmentKind::Bezier};

// The kind buttons' ids are the kinds' numbers.
int buttonId(SegmentKind kind) {
    return static_cast<int>(kind);
}

// A vertex as the label markup names it: a figure letter as it is; an axis as the foot of the
// other vertex on it.
QString reference(QChar vertex, QChar other) {
    if (vertex.toUpper() == 'X') return "(" + QString(other) + ".x,0)";
    if (vertex.toUpper() == 'Y') return "(0," + QString(other) + ".y)";
    return QString(vertex.toUpper());
}
} // namespace

QStringList segmentLabelChoices(SegmentKind kind, const QString& letters, char separator) {
    QString v = letters;
    v.remove(' ');
    QStringList choices;
    const QString sep(QChar::fromLatin1(separator));
    if (v.size() == 2 && (kind == SegmentKind::Segment || kind == SegmentKind::Vector ||
                          kind == SegmentKind::Bracket)) {
        const QString a = reference(v[0], v[1]), b = reference(v[1], v[0]);
        choices << "!{len(" + a + sep + b + ")|3}//" + shownText("Segment.length");
        if (kind == SegmentKind::Vector) {
            const QString d = a.size() > 1 || b.size() > 1 ? b + "-" + a : a + b;
            choices << "!{" + d + "|3}//" + shownText("Segment.displacement");
        }
    }
    const bool axis = v.contains('X', Qt::CaseInsensitive) || v.contains('Y', Qt::CaseInsensitive);
    if (kind == SegmentKind::Angle && v.size() == 3 && !axis) {
        choices << "!{[arg(" + QString(v[0].toUpper()) + sep + QString(v[1].toUpper()) + "," +
                       QString(v[2].toUpper()) + ")]|3}//" + shownText("Segment.angle");
    }
    return choices;
}

SegmentDialog::SegmentDialog(PenPaletteWindow* palette, PenDefaults& defaults, QWidget* parent)
    : QDialog(parent), defaults_(defaults) {
    setObjectName("SegProperty");
    setModal(true);
    setWindowTitle(shownText("Segment.title").replace("&&", "&"));
    auto* layout = new QVBoxLayout(this);
    auto* kindRow = new QHBoxLayout;
    kinds_ = new QButtonGroup(this);
    for (SegmentKind kind : kKinds) {
        auto* b = new QToolButton(this);
        b->setCheckable(true);
        const std::string key = "Segment.kind" + std::to_string(buttonId(kind));
        if (kind != SegmentKind::None && kind != SegmentKind::Bracket) {
            b->setText(shownText(key));
            b->setToolTip(shownText(key));
        } else {
            b->setText(QString::number(buttonId(kind)));
        }
        b->setVisible(kind != SegmentKind::None);
        kinds_->addButton(b, buttonId(kind));
        kindRow->addWidget(b);
    }
    connect(kinds_, &QButtonGroup::idClicked, this, [this] { fillLabelChoices(); });
    layout->addLayout(kindRow);

    auto* vertexRow = new QHBoxLayout;
    vertexRow->addWidget(new QLabel(shownText("Segment.vertices"), this));
    vertices_ = new QLineEdit(this);
    // The context menu inserts a figure letter at the caret.
    vertices_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(vertices_, &QLineEdit::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu;
        const Project& p = context().project;
        for (int n = 1; n <= kFigures; ++n) {
            if (p.figures[n].kind == FigureKind::Empty) continue;
            const QString letter(QChar(figureLetter(n)));
            menu.addAction(letter, [this, letter] { vertices_->insert(letter); });
        }
        menu.exec(vertices_->mapToGlobal(at));
    });
    connect(vertices_, &QLineEdit::textChanged, this, [this] { fillLabelChoices(); });
    vertexRow->addWidget(vertices_, 1);
    layout->addLayout(vertexRow);

    auto* pens = new QHBoxLayout;
    colour_ = new PenButton(palette, PenPanel::Colour, shownText("Dialog.colour"), this);
    width_ = new PenButton(palette, PenPanel::Width, shownText("Dialog.width"), this);
    fill_ = new PenButton(palette, PenPanel::Colour, shownText("Dialog.fillColour"), this);
    fill_->setDropMode(ColourTarget::Inside);
    pattern_ = new PenButton(palette, PenPanel::Pattern, shownText("Dialog.pattern"), this);
    lineStyle_ = new PenButton(palette, PenPanel::LineStyle, shownText("Dialog.lineStyle"), this);
    for (PenButton* b : {colour_, width_, fill_, pattern_, lineStyle_}) pens->addWidget(b);
    pens->addStretch();
    layout->addLayout(pens);
    afterimage_ = new QCheckBox(shownText("Dialog.afterimage"), this);
    layout->addWidget(afterimage_);

    auto* labelRow = new QHBoxLayout;
    positions_ = new QButtonGroup(this);
    positions_->setExclusive(false);
    auto* grid = new QGridLayout;
    for (int i = 1; i <= 9; ++i) {
        auto* b = new QToolButton(this);
        b->setCheckable(true);
        b->setFixedSize(14, 14);
        positions_->addButton(b, i);
        grid->addWidget(b, (i - 1) / 3, (i - 1) % 3);
    }
    connect(positions_, &QButtonGroup::idClicked, this, [this](int id) {
        for (QAbstractButton* b : positions_->buttons())
            if (positions_->id(b) != id) b->setChecked(false);
    });
    labelRow->addLayout(grid);
    labelBox_ = new QComboBox(this);
    labelBox_->setEditable(true);
    connect(labelBox_, &QComboBox::activated, this, [this] {
        if (positions_->checkedId() < 1) positions_->button(3)->setChecked(true);
    });
    labelRow->addWidget(labelBox_, 1);
    layout->addLayout(labelRow);

    auto* buttons = new QHBoxLayout;
    auto* erase = new QPushButton(shownText("Dialog.delete"), this);
    ok_ = new QPushButton(shownText("Dialog.ok"), this);
    auto* cancel = new QPushButton(shownText("Dialog.cancel"), this);
    makeEnterMeanOk(*this, *ok_);
    connect(erase, &QPushButton::clicked, this, [this] { kinds_->button(0)->setChecked(true); });
    connect(ok_, &QPushButton::clicked, this, &SegmentDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &SegmentDialog::reject);
    buttons->addWidget(erase);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void SegmentDialog::open(int index) {
    const SegmentStore& segments = context().project.segments;
    if (index < 1 || index > segments.count + 1 || index > kSegments) return;
    index_ = index;
    if (index <= segments.count) {
        record_ = segments[index];
    } else {
        record_ = SegmentRecord{};
        record_.kind = SegmentKind::Segment;
        record_.penColor = defaults_.color;
        record_.width = static_cast<std::uint8_t>(defaults_.width);
        record_.lineStyle = static_cast<std::uint8_t>(defaults_.lineStyle);
    }
    // A type without a button of its own (none is expected) shows as a segment.
    QAbstractButton* kind = kindButton(record_.kind);
    (kind ? kind : kindButton(SegmentKind::Segment))->setChecked(true);
    QString letters = toQString(segmentRowText(record_)).toUpper();
    letters.remove(QRegularExpression("[^A-Z]"));
    vertices_->setText(letters);
    colour_->setValue(record_.penColor);
    width_->setValue(record_.width);
    fill_->setValue(record_.fillColor);
    pattern_->setValue(record_.fillPattern);
    lineStyle_->setValue(record_.lineStyle);
    afterimage_->setChecked(record_.afterimage);
    for (QAbstractButton* b : positions_->buttons())
        b->setChecked(positions_->id(b) == record_.labelPosition);
    fillLabelChoices();
    labelBox_->setEditText(toQString(record_.label));
    show();
    raise();
    activateWindow();
}

void SegmentDialog::fillLabelChoices() {
    const QString current = labelBox_->currentText();
    labelBox_->clear();
    const char sep = context ? context().project.engine.listSeparatorChar : ',';
    labelBox_->addItems(segmentLabelChoices(checkedKind(), vertices_->text(), sep));
    labelBox_->setEditText(current);
}

void SegmentDialog::accept() {
    record_.kind = checkedKind();
    record_.penColor = colour_->value();
    record_.width = static_cast<std::uint8_t>(width_->value());
    record_.fillColor = fill_->value();
    record_.fillPattern = static_cast<std::uint8_t>(pattern_->value());
    record_.lineStyle = static_cast<std::uint8_t>(lineStyle_->value());
    record_.afterimage = afterimage_->isChecked();
    const int position = positions_->checkedId();
    record_.labelPosition = static_cast<std::uint8_t>(position < 1 ? 0 : position);
    record_.label = fromQString(labelBox_->currentText());
    Document& ctx = context();
    if (index_ > ctx.project.segments.count && record_.kind == SegmentKind::None) {
        QDialog::reject(); // nothing to remove
        return;
    }
    if (!confirmSegment(ctx, index_, record_, fromQString(vertices_->text()), defaults_)) return;
    QDialog::accept();
}

QAbstractButton* SegmentDialog::kindButton(SegmentKind kind) const {
    return kinds_->button(buttonId(kind));
}

SegmentKind SegmentDialog::checkedKind() const {
    return static_cast<SegmentKind>(std::max(kinds_->checkedId(), 0));
}

PenButton* SegmentDialog::pen(const char* name) const {
    const std::string s = name;
    if (s == "colour") return colour_;
    if (s == "width") return width_;
    if (s == "fillColor") return fill_;
    if (s == "pattern") return pattern_;
    if (s == "lineStyle") return lineStyle_;
    return nullptr;
}

} // namespace tarlix
