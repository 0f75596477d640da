#include "shell/CalculatorWindow.h"

#include "expression/Calc.h"
#include "platform/qt/QtText.h"
#include "shell/CalculatorPalette.h"
#include "shell/FormulaImage.h"
#include "shell/ShownTexts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarlix {

namespace {

constexpr int kFormulaSize = 16;   // points of the preview
constexpr int kPreviewWidth = 200; // the preview panel; a longer formula shows its end
constexpr int kPaletteColumns = 10;
constexpr QChar kTheta(0x3B8);

// The edit box shows theta where the program's text holds "@"; one character each way, so
// cursor positions carry over.
QString editText(const std::string& text) {
    return toQString(text).replace('@', kTheta);
}
std::string programText(const QString& shown) {
    QString s = shown;
    return fromQString(s.replace(kTheta, '@'));
}

} // namespace

CalculatorWindow::CalculatorWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("CalcForm");
    setWindowTitle(shownText("Calculator.title"));
    auto* layout = new QVBoxLayout(this);

    auto* line = new QHBoxLayout;
    label_ = new QLabel(shownText("Calc.label"), this);
    label_->setObjectName("LblFunction");
    QFont labelFont("Times New Roman", 12);
    labelFont.setBold(true);
    labelFont.setItalic(true);
    label_->setFont(labelFont);
    edit_ = new QLineEdit(this);
    edit_->setObjectName("EditCalc");
    edit_->installEventFilter(this);
    line->addWidget(label_);
    line->addWidget(edit_, 1);
    layout->addLayout(line);

    previewPanel_ = new QScrollArea(this);
    previewPanel_->setObjectName("PanelCalc");
    previewPanel_->setFixedWidth(kPreviewWidth + 4);
    previewPanel_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    previewPanel_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    previewPanel_->setStyleSheet("background: white");
    preview_ = new QLabel;
    preview_->setObjectName("EqualImage");
    previewPanel_->setWidget(preview_);
    layout->addWidget(previewPanel_);

    auto* actions = new QHBoxLayout;
    equal_ = new QPushButton("=", this);
    equal_->setObjectName("BtnEqual");
    equal_->setToolTip(shownText("Calc.BtnEqual"));
    result_ = new QLabel(this);
    result_->setObjectName("CheckBox");
    result_->setMinimumWidth(120);
    QFont resultFont("Times New Roman", 10);
    resultFont.setBold(true);
    result_->setFont(resultFont);
    send_ = new QPushButton(shownText("Calc.sendFinal"), this);
    send_->setObjectName("btnSendTo");
    actions->addWidget(equal_);
    actions->addWidget(result_, 1);
    actions->addWidget(send_);
    layout->addLayout(actions);

    auto* palette = new QWidget(this);
    buildPalette(palette);
    layout->addWidget(palette);

    connect(edit_, &QLineEdit::textEdited, this, [this] { textEdited(); });
    connect(equal_, &QPushButton::clicked, this, [this] { calculate(); });
    connect(send_, &QPushButton::clicked, this, [this] { sendExpression(); });
}

void CalculatorWindow::buildPalette(QWidget* holder) {
    auto* grid = new QGridLayout(holder);
    grid->setSpacing(1);
    grid->setContentsMargins(0, 0, 0, 0);
    int i = 0;
    for (const PaletteButton& b : paletteButtons()) {
        auto* button = new QToolButton(holder);
        button->setObjectName(b.name);
        button->setText(QString::fromUtf8(b.caption));
        button->setAutoRaise(false);
        button->setMinimumWidth(40);
        if (b.hinted) button->setToolTip(shownText(std::string("Calc.") + b.name));
        button->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(button, i / kPaletteColumns, i % kPaletteColumns);
        ++i;
        connect(button, &QToolButton::clicked, this, [this, b] {
            const EngineSettings& s = context().project.engine;
            std::string text = b.insert;
            if (std::string_view(b.name) == "SbPeriod") text = std::string(1, s.decimalChar);
            if (b.places == 0) {
                insertText(text, 0);
                return;
            }
            const std::string places(static_cast<std::size_t>(b.places - 1), s.listSeparatorChar);
            insertText(text + "(" + places + ")", b.places);
        });
    }
}

QToolButton* CalculatorWindow::paletteButton(const char* name) const {
    return findChild<QToolButton*>(name);
}

void CalculatorWindow::open(const CalculatorRequest& request) {
    leaveRequest();
    request_ = request;
    sent_ = false;
    label_->setText(request.label.isEmpty() ? shownText("Calc.label") : request.label);
    edit_->setText(editText(request.text));
    edit_->setCursorPosition(edit_->text().size());
    textEdited();
    show();
    raise();
    activateWindow();
}

void CalculatorWindow::insertText(const std::string& text, int cursorBack) {
    edit_->insert(editText(text));
    // A template leaves the cursor in its first argument place.
    if (cursorBack > 0) edit_->setCursorPosition(edit_->cursorPosition() - cursorBack);
    textEdited();
    edit_->setFocus();
}

void CalculatorWindow::textEdited() {
    if (editing_ || !context) return;
    editing_ = true;
    const Calculator::Edit e = calculator_.edit(programText(edit_->text()), edit_->cursorPosition(),
                                                context().project.engine);
    if (programText(edit_->text()) != e.text) {
        edit_->setText(editText(e.text));
        edit_->setCursorPosition(e.cursor);
    }
    result_->clear();
    showPreview();
    editing_ = false;
}

// A formula wider than the panel is shifted left so that its end stays in sight.
void CalculatorWindow::showPreview() {
    const QImage image =
        formulaImage(calculator_.record().source, context().project.engine, kFormulaSize);
    preview_->setPixmap(QPixmap::fromImage(image));
    preview_->resize(image.size());
    previewPanel_->setFixedHeight(image.height() + 40);
    previewPanel_->horizontalScrollBar()->setValue(std::max(0, image.width() - kPreviewWidth));
}

void CalculatorWindow::calculate() {
    Document& ctx = context();
    const std::string& text = calculator_.equal(ctx);
    if (text.empty()) {
        result_->clear();
        return;
    }
    // "error" is a word, not a formula: typeset, its "or" would read as the operator.
    if (calculator_.resultIsUndefined())
        result_->setText(toQString(text));
    else
        result_->setPixmap(QPixmap::fromImage(formulaImage(text, ctx.project.engine, 10, true)));
}

void CalculatorWindow::sendExpression() {
    Document& ctx = context();
    CompiledExpression record;
    const CompileEnv env = ctx.compileEnv();
    const std::string text = calculator_.textToSend();
    setSource(record, text, kModePlain - 1, env);
    if (!compile(record, request_.mode, true, env)) return;
    if (request_.send && !request_.send(text)) return;
    sent_ = true;
    close();
}

// The object the window was opened for learns that nothing was sent, once.
void CalculatorWindow::leaveRequest() {
    if (sent_ || !request_.left) return;
    const auto left = std::move(request_.left);
    request_.left = nullptr;
    left();
}

void CalculatorWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    leaveRequest();
}

void CalculatorWindow::showLogHint() {
    const bool natural = !context || context().project.engine.logMode == LogMode::Natural;
    if (QToolButton* log = paletteButton("sbLog"))
        log->setToolTip(shownText(natural ? "Calc.logNatural" : "Calc.logCommon"));
}

void CalculatorWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    showLogHint();
    const bool complex = context && context().project.engine.complexMode;
    paletteButton("sbIproduct")->setVisible(!complex);
    paletteButton("sbdet")->setVisible(!complex);
    paletteButton("sbconjugate")->setVisible(complex);
    send_->setText(shownText(request_.label.isEmpty() ? "Calc.sendFinal" : "Calc.sendDefine"));
    if (context) showPreview();
    edit_->setFocus();
}

bool CalculatorWindow::handleKey(int key, const QString& typed) {
    if (key == Qt::Key_Escape) {
        if (context().messages.show(shownMessage("Calc.escapeQuestion"), MessageKind::Warning,
                                    true))
            close();
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        sendExpression();
        return true;
    }
    // Repeated typing that the tokenizer does not take is slowed down.
    return !typed.isEmpty() && typed.at(0).isPrint() && calculator_.swallowsKey();
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress && context) {
        const auto* key = static_cast<QKeyEvent*>(event);
        return handleKey(key->key(), key->text());
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarlix
