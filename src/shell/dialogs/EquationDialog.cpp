#include "shell/dialogs/EquationDialog.h"

#include "document/PropertyEdits.h"
#include "document/RowTexts.h"
#include "platform/qt/QtText.h"
#include "shell/DialogButtons.h"
#include "shell/ShownTexts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarlix {

EquationDialog::EquationDialog(PenPaletteWindow* palette, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint) {
    setObjectName("CfxProperty");
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    title_ = new QLabel(this);
    expression_ = new QLineEdit(this);
    formula_ = new QToolButton(this);
    formula_->setObjectName("ImgFunction");
    formula_->setText("…");
    formula_->setToolTip(shownText("Equation.editFunction"));
    connect(formula_, &QToolButton::clicked, this, [this] {
        if (openCalculator) openCalculator(expressionRequest());
    });
    top->addWidget(title_);
    top->addWidget(expression_, 1);
    top->addWidget(formula_);
    layout->addLayout(top);

    auto* pens = new QHBoxLayout;
    colour_ = new PenButton(palette, PenPanel::Colour, shownText("Dialog.colour"), this);
    width_ = new PenButton(palette, PenPanel::Width, shownText("Dialog.width"), this);
    lineStyle_ = new PenButton(palette, PenPanel::LineStyle, shownText("Dialog.lineStyle"), this);
    pens->addWidget(colour_);
    pens->addWidget(width_);
    pens->addWidget(lineStyle_);
    relationOnly_ = new QWidget(this);
    auto* inside = new QHBoxLayout(relationOnly_);
    inside->setContentsMargins(0, 0, 0, 0);
    pattern_ = new PenButton(palette, PenPanel::Pattern, shownText("Dialog.pattern"), this);
    border_ = new PenButton(palette, PenPanel::Border, shownText("Equation.border"), this);
    inside->addWidget(new QLabel(shownText("Dialog.pattern"), relationOnly_));
    inside->addWidget(pattern_);
    inside->addWidget(new QLabel(shownText("Equation.border"), relationOnly_));
    inside->addWidget(border_);
    pens->addWidget(relationOnly_);
    pens->addStretch();
    layout->addLayout(pens);

    fast_ = new QCheckBox(shownText("Equation.fast"), this);
    afterimage_ = new QCheckBox(shownText("Dialog.afterimage"), this);
    layout->addWidget(fast_);
    layout->addWidget(afterimage_);

    auto* buttons = new QHBoxLayout;
    delete_ = new QPushButton(shownText("Dialog.delete"), this);
    ok_ = new QPushButton(shownText("Dialog.ok"), this);
    auto* cancel = new QPushButton(shownText("Dialog.cancel"), this);
    makeEnterMeanOk(*this, *ok_);
    connect(delete_, &QPushButton::clicked, this, [this] { expression_->clear(); });
    connect(ok_, &QPushButton::clicked, this, &EquationDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &EquationDialog::reject);
    buttons->addWidget(delete_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void EquationDialog::openFunction(int n) {
    open(false, n);
}

void EquationDialog::openRelation(int n) {
    open(true, n);
}

void EquationDialog::open(bool relation, int n) {
    const Project& p = context().project;
    if (relation ? !p.relations.contains(n) : !p.explicitFunctions.contains(n)) return;
    relation_ = relation;
    n_ = n;
    entry_ = relation ? p.relations[n] : p.explicitFunctions[n];
    if (entry_.expr.source.find_first_not_of(' ') == std::string::npos && defaults) {
        entry_.penColor = defaults->color;
        entry_.penWidth = static_cast<std::uint8_t>(defaults->width);
        entry_.lineStyle = static_cast<std::uint8_t>(defaults->lineStyle);
    }
    // The row's caption; the window caption drops its "=" or ":".
    const QString caption = toQString(relation ? relationRowCaption(n) : explicitRowCaption(n));
    QFont f = title_->font();
    f.setBold(true);
    f.setItalic(!relation);
    title_->setFont(f);
    title_->setText(caption);
    QString bare = caption.trimmed();
    bare.chop(1);
    setWindowTitle(bare + " " + shownText("Dialog.titleEnd"));
    relationOnly_->setVisible(relation);
    showEntry();
    adjustSize();
    show();
    raise();
    activateWindow();
    if (expression_->text().trimmed().isEmpty()) startInCalculator();
}

CalculatorRequest EquationDialog::expressionRequest() {
    return fieldRequest(expression_, title_->text().trimmed(),
                        relation_ ? kModeRelation : kModeExplicit);
}

// An object without an expression starts in the formula editor: leaving it without sending
// counts as Cancel, sending an empty text as OK; a text sent waits in the dialog for its pens.
void EquationDialog::startInCalculator() {
    if (!openCalculator) return;
    CalculatorRequest r = expressionRequest();
    auto fill = r.send;
    r.send = [this, fill](const std::string& text) {
        fill(text);
        if (text.find_first_not_of(' ') == std::string::npos) accept();
        return true;
    };
    r.left = [this] {
        if (isVisible()) reject();
    };
    openCalculator(r);
}

void EquationDialog::showEntry() {
    expression_->setText(editableText(entry_.expr.source));
    colour_->setValue(entry_.penColor);
    width_->setValue(entry_.penWidth);
    lineStyle_->setValue(entry_.lineStyle);
    pattern_->setValue(entry_.fillPattern);
    border_->setValue(entry_.borderStyle);
    fast_->setChecked(entry_.fastPolynomial);
    afterimage_->setChecked(entry_.afterimage);
}

void EquationDialog::takeFields() {
    entry_.expr.source = typedText(expression_->text());
    entry_.penColor = colour_->value();
    entry_.penWidth = static_cast<std::uint8_t>(width_->value());
    entry_.lineStyle = static_cast<std::uint8_t>(lineStyle_->value());
    entry_.fillPattern = static_cast<std::uint8_t>(pattern_->value());
    entry_.borderStyle = static_cast<std::uint8_t>(border_->value());
    entry_.fastPolynomial = fast_->isChecked();
    entry_.afterimage = afterimage_->isChecked();
}

void EquationDialog::accept() {
    takeFields();
    Document& ctx = context();
    const bool stored =
        relation_ ? confirmRelation(ctx, n_, entry_) : confirmExplicitFunction(ctx, n_, entry_);
    if (stored) QDialog::accept();
}

PenButton* EquationDialog::pen(const char* name) const {
    const std::string s = name;
    if (s == "colour") return colour_;
    if (s == "width") return width_;
    if (s == "lineStyle") return lineStyle_;
    if (s == "pattern") return pattern_;
    if (s == "border") return border_;
    return nullptr;
}

} // namespace tarlix
