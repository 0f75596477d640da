#include "shell/dialogs/OptionsDialog.h"

#include "platform/qt/QtText.h"
#include "shell/DialogButtons.h"
#include "shell/ShownTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarlix {

OptionsDialog::OptionsDialog(NewObjectDefaults& objects, QWidget* parent)
    : QDialog(parent), objects_(objects) {
    setObjectName("DetailForm");
    setModal(true);
    setWindowTitle(shownText("Options.title"));
    auto* layout = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);
    // Every page's tab stays in sight: the dialog grows to the tabs instead of hiding the last
    // one behind scroll arrows.
    pages_->setUsesScrollButtons(false);
    pages_->addTab(presetPage(), shownText("Options.presetPage"));
    pages_->addTab(areaPage(), shownText("Options.areaPage"));
    pages_->addTab(scalePage(), shownText("Options.scalePage"));
    pages_->addTab(drawingPage(), shownText("Options.drawingPage"));
    pages_->addTab(functionPage(), shownText("Options.functionPage"));
    layout->addWidget(pages_);
    auto* buttons = new QHBoxLayout;
    ok_ = new QPushButton(shownText("Dialog.ok"), this);
    ok_->setObjectName("btnOK");
    cancel_ = new QPushButton(shownText("Dialog.cancel"), this);
    cancel_->setObjectName("btnCancel");
    makeEnterMeanOk(*this, *ok_);
    connect(ok_, &QPushButton::clicked, this, &OptionsDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &OptionsDialog::reject);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
}

void OptionsDialog::open() {
    form_ = readOptions(context(), objects_);
    showForm();
    if (lastPosition_) move(*lastPosition_);
    show();
    raise();
    activateWindow();
}

void OptionsDialog::accept() {
    if (confirmOptions(context(), objects_, form_)) QDialog::accept();
}

void OptionsDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    lastPosition_ = pos();
}

void OptionsDialog::showForm() {
    for (const auto& refresh : refreshers_) refresh();
}

QCheckBox* OptionsDialog::addSwitch(QBoxLayout* layout, const char* name, const char* textKey,
                                    std::function<bool()> current,
                                    std::function<void(bool)> picked) {
    auto* box = new QCheckBox(shownText(textKey), layout->parentWidget());
    box->setObjectName(name);
    connect(box, &QCheckBox::clicked, this, [picked](bool on) { picked(on); });
    refreshers_.push_back([box, current] { box->setChecked(current()); });
    layout->addWidget(box);
    return box;
}

QCheckBox* OptionsDialog::addCheck(QBoxLayout* layout, const char* name, const char* textKey,
                                   std::function<bool&()> field) {
    return addSwitch(
        layout, name, textKey, [field] { return field(); }, [field](bool on) { field() = on; });
}

QLineEdit* OptionsDialog::addEdit(QBoxLayout* layout, const char* name,
                                  std::function<std::string&()> field) {
    auto* edit = new QLineEdit(layout->parentWidget());
    edit->setObjectName(name);
    connect(edit, &QLineEdit::textChanged, this,
            [field](const QString& text) { field() = fromQString(text); });
    refreshers_.push_back([edit, field] { edit->setText(toQString(field())); });
    layout->addWidget(edit);
    return edit;
}

QComboBox* OptionsDialog::addBaseBox(QBoxLayout* layout, const char* name,
                                     std::function<std::string&()> field) {
    auto* box = new QComboBox(layout->parentWidget());
    box->setObjectName(name);
    box->setEditable(true);
    box->addItems({"1", "Pi/2", "Pi", "90", "180"});
    box->setToolTip(shownText("Options.baseHint"));
    connect(box, &QComboBox::editTextChanged, this,
            [field](const QString& text) { field() = fromQString(text); });
    refreshers_.push_back([box, field] { box->setEditText(toQString(field())); });
    layout->addWidget(box);
    return box;
}

QPushButton* OptionsDialog::addResetButton(QBoxLayout* layout, const char* name,
                                           std::function<void(OptionsForm&)> reset) {
    auto* button = new QPushButton(shownText("Options.reset"), layout->parentWidget());
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, reset] {
        reset(form_);
        showForm();
    });
    layout->addWidget(button, 0, Qt::AlignRight);
    return button;
}

QButtonGroup* OptionsDialog::addChoices(QBoxLayout* layout,
                                        std::vector<std::pair<const char*, const char*>> items,
                                        std::function<int()> current,
                                        std::function<void(int)> picked) {
    auto* group = new QButtonGroup(layout->parentWidget());
    int id = 0;
    for (const auto& [name, textKey] : items) {
        auto* b = new QToolButton(layout->parentWidget());
        b->setObjectName(name);
        b->setText(shownText(textKey));
        b->setCheckable(true);
        group->addButton(b, id++);
        layout->addWidget(b);
    }
    connect(group, &QButtonGroup::idClicked, this, [picked](int i) { picked(i); });
    refreshers_.push_back([group, current] {
        if (QAbstractButton* b = group->button(current())) b->setChecked(true);
    });
    return group;
}

QGroupBox* titledGroup(const char* textKey, QWidget* parent, QBoxLayout*& layout, bool vertical) {
    auto* box = new QGroupBox(shownText(textKey), parent);
    if (vertical)
        layout = new QVBoxLayout(box);
    else
        layout = new QHBoxLayout(box);
    return box;
}

QWidget* OptionsDialog::presetPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    const struct {
        const char* name;
        const char* key;
        OptionsPreset preset;
    } presets[] = {{"SB1", "Options.preset1", OptionsPreset::Standard},
                   {"SB2", "Options.preset2", OptionsPreset::HalfPi},
                   {"SB3", "Options.preset3", OptionsPreset::Degrees},
                   {"SBPolor", "Options.presetPolar", OptionsPreset::Polar}};
    for (const auto& p : presets) {
        auto* b = new QToolButton(page);
        b->setObjectName(p.name);
        b->setText(shownText(p.key));
        b->setToolTip(shownText(std::string(p.key) + "Hint"));
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(b, &QToolButton::clicked, this, [this, preset = p.preset] {
            Document& ctx = context();
            applyPreset(form_, preset, ctx.project.engine.decimalChar, ctx.messages);
            showForm();
        });
        layout->addWidget(b);
    }
    layout->addStretch();
    return page;
}

QWidget* OptionsDialog::areaPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    QBoxLayout* size = nullptr;
    QGroupBox* sizeBox = titledGroup("Options.sizeGroup", page, size);
    sizeBox->setObjectName("GroupBox1");
    size->addWidget(new QLabel(shownText("Options.width"), sizeBox));
    addEdit(size, "Edit3", [this]() -> std::string& { return form_.widthText; });
    size->addWidget(new QLabel(shownText("Options.height"), sizeBox));
    addEdit(size, "Edit4", [this]() -> std::string& { return form_.heightText; });
    layout->addWidget(sizeBox);

    QBoxLayout* area = nullptr;
    QGroupBox* areaBox = titledGroup("Options.areaGroup", page, area, true);
    areaBox->setObjectName("GroupBox3");
    const struct {
        const char* low;
        const char* high;
        const char* letter;
        AxisOptions OptionsForm::*axis;
    } rows[] = {{"xEdit1", "Xedit2", "x", &OptionsForm::x},
                {"Yedit1", "Yedit2", "y", &OptionsForm::y}};
    for (const auto& r : rows) {
        auto* row = new QHBoxLayout;
        area->addLayout(row);
        auto* rowWidget = new QWidget(areaBox);
        row->addWidget(rowWidget);
        auto* inner = new QHBoxLayout(rowWidget);
        inner->setContentsMargins(0, 0, 0, 0);
        addEdit(inner, r.low, [this, a = r.axis]() -> std::string& { return (form_.*a).lowText; });
        inner->addWidget(new QLabel(QString("< %1 <").arg(r.letter), rowWidget));
        addEdit(inner, r.high,
                [this, a = r.axis]() -> std::string& { return (form_.*a).highText; });
    }
    layout->addWidget(areaBox);
    addCheck(layout, "cbArea", "Options.stretch", [this]() -> bool& { return form_.areaFixed; });
    addCheck(layout, "cbRectOn", "Options.rectify",
             [this]() -> bool& { return form_.areaRectify; });
    layout->addStretch();
    addResetButton(layout, "btnInit1", [this](OptionsForm& f) {
        resetAreaPage(f, context().project.engine.decimalChar);
    });
    return page;
}

} // namespace tarlix
