#include "shell/ParameterPanel.h"

#include "document/ParameterStepping.h"
#include "expression/eval/NumberText.h"
#include "platform/qt/QtText.h"
#include "shell/ProgramObjects.h"
#include "shell/ShownTexts.h"
#include "view/ViewAreaSource.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

namespace tarlix {

namespace {
constexpr int kFirstRowTop = 22;
constexpr int kPanelMargin = 30;
constexpr int kWidePanel = 240; // wider data panels put the afterimage buttons beside the bar
constexpr int kSetValueDigits = 8;
constexpr int kSteppedValueDigits = 9;

// The caption under key, the hint under key + ".hint".
QToolButton* areaButton(QWidget* parent, const std::string& key) {
    auto* b = new QToolButton(parent);
    b->setText(shownText(key));
    b->setToolTip(shownText(key + ".hint"));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}
} // namespace

ParameterPanel::ParameterPanel(ProgramObjects& objects, QWidget* parent)
    : CategoryPanelWidget(shownText("Panel.Parameters"), 0, QString(), parent), objects_(objects),
      animation_(clock_) {
    for (int i = 1; i <= kParameterCount; ++i) {
        row(i) = ParameterPanelRow::create(this, i);
        connectRow(row(i));
    }
    createSpeedArea();
    animation_.runningChanged = [this](bool running) {
        if (animationRunning) animationRunning(running);
    };
}

void ParameterPanel::createSpeedArea() {
    speedArea_ = new QWidget(this);
    slow_ = new QLabel(shownText("Parameter.slow"), speedArea_);
    fast_ = new QLabel(shownText("Parameter.fast"), speedArea_);
    speed_ = new QSlider(Qt::Horizontal, speedArea_);
    speed_->setRange(0, kSpeedPositions);
    speed_->setToolTip(shownText("Parameter.speed"));
    speed_->setFocusPolicy(Qt::NoFocus);
    speed_->setTracking(false); // a drag is one change of the speed, not one per position
    connect(speed_, &QSlider::valueChanged, this, [this](int position) {
        Document& ctx = objects_.context();
        setAnimationPeriod(ctx, setAnimationSpeed(position));
    });
    afterimageSwitch_ = areaButton(speedArea_, "Parameter.afterimageSwitch");
    afterimageSwitch_->setCheckable(true);
    connect(afterimageSwitch_, &QToolButton::toggled, this, [this](bool off) {
        Document& ctx = objects_.context();
        setAfterimagesEnabled(ctx, !off);
    });
    make_ = areaButton(speedArea_, "Parameter.makeAfterimage");
    connect(make_, &QToolButton::clicked, this, [this] {
        if (makeAfterimage) makeAfterimage();
    });
    clear_ = areaButton(speedArea_, "Parameter.clearAfterimages");
    connect(clear_, &QToolButton::clicked, this, [this] {
        if (clearAfterimages) clearAfterimages();
    });
    speedArea_->hide();
}

void ParameterPanel::connectRow(ParameterPanelRow& r) {
    const int i = r.index;
    connect(r.letter, &QToolButton::clicked, this,
            [this, i](bool fixed) { toggleFixed(i, fixed); });
    connect(r.value, &QLineEdit::textEdited, this, [this, i] { row(i).setValuePending(true); });
    connect(r.value, &QLineEdit::editingFinished, this, [this, i] { commitValue(i); });
    connect(r.step, &QLineEdit::textEdited, this, [this, i] { row(i).stepPending = true; });
    connect(r.step, &QLineEdit::editingFinished, this, [this, i] { commitStep(i); });
    connect(r.sync, &QToolButton::clicked, this, [this, i](bool on) {
        Document& ctx = objects_.context();
        setParameterSync(ctx, i, on);
        row(i).sync->setChecked(objects_.document.project.parameters[i].sync);
    });
    connect(r.mode, &QToolButton::clicked, this, [this, i] { toggleMode(i); });
    connect(r.ratioUp, &QToolButton::clicked, this, [this, i] { changeRatio(i, true); });
    connect(r.ratioDown, &QToolButton::clicked, this, [this, i] { changeRatio(i, false); });
    for (QWidget* w : {static_cast<QWidget*>(r.value), static_cast<QWidget*>(r.step),
                       static_cast<QWidget*>(r.increment), static_cast<QWidget*>(r.decrement)})
        w->installEventFilter(this);
}

char ParameterPanel::decimalChar() const {
    return objects_.document.project.engine.decimalChar;
}

void ParameterPanel::refreshParameterRows(const RowGeometry& geometry) {
    geometry_ = geometry;
    Project& p = objects_.document.project;
    unfixHiddenParameters(p, objects_.document.view.xAxis.letter);
    int shown = 0;
    for (int i = 1; i <= kParameterCount; ++i) {
        const bool show =
            p.parameterRows[i].shown && parameterInUse(p, i, objects_.document.view.xAxis.letter);
        ParameterPanelRow& r = row(i);
        r.place(show, kFirstRowTop + shown * geometry.rowHeight, width(), geometry,
                !p.parameters[i].unfixed);
        if (!show) continue;
        r.showRecord(p.parameters[i], decimalChar());
        ++shown;
    }
    shownRows_ = shown;
    const QSignalBlocker speedBlocker(speed_);
    const QSignalBlocker switchBlocker(afterimageSwitch_);
    speed_->setValue(speedPosition(p.settings.animationPeriod));
    afterimageSwitch_->setChecked(!p.settings.afterimagesOn);
    sizePanel();
}

int ParameterPanel::speedAreaHeight() const {
    return window()->width() > kWidePanel ? 32 : 64;
}

bool ParameterPanel::sizePanel() {
    const int areaHeight = shownRows_ > 0 ? speedAreaHeight() : 0;
    speedArea_->setVisible(shownRows_ > 0);
    placeSpeedArea(kFirstRowTop + shownRows_ * geometry_.rowHeight, areaHeight);
    const int height = shownRows_ * geometry_.rowHeight + areaHeight + kPanelMargin;
    if (height == this->height() && minimumHeight() == height) return false;
    setFixedHeight(height);
    return true;
}

// The bar with its two labels, and the three afterimage buttons beside it or below it.
void ParameterPanel::placeSpeedArea(int top, int areaHeight) {
    speedArea_->setGeometry(0, top, std::max(width(), 240), areaHeight);
    slow_->setGeometry(4, 6, 30, 20);
    speed_->setGeometry(34, 4, 84, 24);
    fast_->setGeometry(120, 6, 34, 20);
    const bool beside = areaHeight == 32;
    const int buttonTop = beside ? 4 : 32;
    int left = beside ? 156 : 48;
    for (QToolButton* b : {afterimageSwitch_, make_, clear_}) {
        b->setGeometry(left, buttonTop, 27, 24);
        left += 29;
    }
}

void ParameterPanel::resizeEvent(QResizeEvent* event) {
    CategoryPanelWidget::resizeEvent(event);
    for (ParameterPanelRow& r : rows_)
        if (r.shown)
            r.place(true, r.letter->y(), width(), geometry_,
                    !objects_.document.project.parameters[r.index].unfixed);
    if (sizePanel() && heightChanged) heightChanged();
}

bool ParameterPanel::stepParameter(int index, int direction) {
    commitPendingValues();
    Document& ctx = objects_.context();
    const auto changed = stepParameterValue(ctx, index, direction, keys_->isDown(Key::Shift));
    for (int i : changed)
        row(i).showValue(ctx.project.parameters[i].value, kSteppedValueDigits, decimalChar());
    commitPendingValues();
    return !changed.empty();
}

bool ParameterPanel::setParameter(int index, Extended value) {
    Document& ctx = objects_.context();
    const bool changed = setParameterValue(ctx, index, value);
    if (index >= 1 && index <= kParameterCount)
        row(index).showValue(ctx.project.parameters[index].value, kSetValueDigits, decimalChar());
    return changed;
}

void ParameterPanel::setStep(int index, Extended x) {
    if (index < 1 || index > kParameterCount) return;
    Document& ctx = objects_.context();
    setParameterStep(ctx, index, x);
    row(index).showStep(ctx.project.parameters[index].step, decimalChar());
}

void ParameterPanel::commitPendingValues() {
    for (int i = 1; i <= kParameterCount; ++i) commitValue(i);
}

// The text as a number, or else evaluated as an expression with the current parameters.
bool ParameterPanel::numberInEdit(const QLineEdit* edit, Extended& value) {
    std::string text = fromQString(edit->text());
    Project& p = objects_.document.project;
    ParameterValues values;
    copyToEvaluator(p.parameters, values);
    const ViewAreaSource area(objects_.document.view);
    const EvalEnv env{p.engine, p, values, &objects_.random, &area};
    Evaluator evaluator(env);
    const CompileEnv compileEnv{p.engine, objects_.document.messages,
                                objects_.document.view.xAxis.letter == '@'};
    return numberFromText(text, value, false, evaluator, compileEnv);
}

// A text that gives no number leaves the value as it was, and the edit shows it again.
void ParameterPanel::commitValue(int index) {
    ParameterPanelRow& r = row(index);
    if (!r.valuePending) return;
    r.setValuePending(false);
    Extended v = objects_.document.project.parameters[index].value;
    if (numberInEdit(r.value, v) && setParameter(index, v))
        requestRedraw();
    else
        r.showValue(objects_.document.project.parameters[index].value, kSetValueDigits,
                    decimalChar());
}

void ParameterPanel::commitStep(int index) {
    ParameterPanelRow& r = row(index);
    if (!r.stepPending) return;
    r.stepPending = false;
    Extended x = 0;
    if (numberInEdit(r.step, x))
        setStep(index, x);
    else
        r.showStep(objects_.document.project.parameters[index].step, decimalChar());
}

void ParameterPanel::toggleFixed(int index, bool fixed) {
    commitValue(index);
    Document& ctx = objects_.context();
    setParameterFixed(ctx, index, fixed);
    ParameterPanelRow& r = row(index);
    const bool nowFixed = !ctx.project.parameters[index].unfixed;
    r.letter->setChecked(nowFixed);
    r.place(r.shown, r.letter->y(), width(), geometry_, nowFixed);
}

void ParameterPanel::toggleMode(int index) {
    commitStep(index);
    Document& ctx = objects_.context();
    toggleParameterStepMode(ctx, index);
    row(index).showRecord(ctx.project.parameters[index], decimalChar());
}

void ParameterPanel::changeRatio(int index, bool up) {
    commitStep(index);
    Document& ctx = objects_.context();
    if (changeParameterRatio(ctx, index, up))
        row(index).showStep(ctx.project.parameters[index].step, decimalChar());
}

void ParameterPanel::pressStepButton(int index, int direction) {
    commitStep(index);
    ParameterPanelRow& r = row(index);
    animation_.start(
        direction == 1 ? r.increment : r.decrement,
        [this, index, direction] { stepParameter(index, direction); },
        [this] { return objects_.document.project.settings.animationPeriod; });
}

// Ctrl+Right and Ctrl+Left step the parameter; Ctrl+Up and Ctrl+Down move to the edit of the
// previous or next parameter on show.
bool ParameterPanel::valueEditKey(int index, const QKeyEvent& key) {
    if (!key.modifiers().testFlag(Qt::ControlModifier)) return false;
    const bool fixed = !objects_.document.project.parameters[index].unfixed;
    switch (key.key()) {
    case Qt::Key_Right:
        if (!fixed) stepParameter(index, 1);
        return true;
    case Qt::Key_Left:
        if (!fixed) stepParameter(index, -1);
        return true;
    case Qt::Key_Up:
        moveFocus(index, -1);
        return true;
    case Qt::Key_Down:
        moveFocus(index, 1);
        return true;
    default:
        return false;
    }
}

void ParameterPanel::moveFocus(int index, int delta) {
    for (int i = index + delta; i >= 1 && i <= kParameterCount; i += delta) {
        QLineEdit* e = row(i).value;
        if (row(i).shown && e->isEnabled() && e->focusPolicy() != Qt::NoFocus) {
            e->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

int ParameterPanel::rowOf(const QObject* widget) const {
    for (const ParameterPanelRow& r : rows_)
        if (widget == r.value || widget == r.step || widget == r.increment || widget == r.decrement)
            return r.index;
    return 0;
}

bool ParameterPanel::eventFilter(QObject* watched, QEvent* event) {
    const int index = rowOf(watched);
    if (index == 0) return CategoryPanelWidget::eventFilter(watched, event);
    ParameterPanelRow& r = row(index);
    const bool fixed = !objects_.document.project.parameters[index].unfixed;
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        const bool left = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        if (left && (watched == r.increment || watched == r.decrement))
            pressStepButton(index, watched == r.increment ? 1 : -1);
        if (type == QEvent::MouseButtonDblClick && left && watched == r.value && !fixed) {
            if (editValueRequested) editValueRequested(index);
            return true;
        }
        if (type == QEvent::MouseButtonDblClick && left && watched == r.step) {
            if (editStepRequested) editStepRequested(index);
            return true;
        }
    } else if (type == QEvent::KeyPress && watched == r.value) {
        return valueEditKey(index, *static_cast<QKeyEvent*>(event));
    }
    return CategoryPanelWidget::eventFilter(watched, event);
}

void ParameterPanel::requestRedraw() {
    if (redrawRequested) redrawRequested();
}

void askToInitialiseParameters(Document& ctx) {
    QApplication::beep();
    if (ctx.messages.show(shownMessage("Parameter.initialiseQuestion"), MessageKind::Warning, true))
        initialiseParameters(ctx);
}

} // namespace tarlix
