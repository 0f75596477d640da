#include "shell/dialogs/PrintDialog.h"

#include "platform/Printer.h"
#include "shell/DialogButtons.h"
#include "shell/ShownTexts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace tarlix {

namespace {

// The modes in the order the dialog lists them.
constexpr CaptureMode kModes[4] = {CaptureMode::VectorColour, CaptureMode::VectorBlackAndWhite,
                                   CaptureMode::Graph, CaptureMode::WholeProgram};
constexpr const char* kModeKeys[4] = {"Capture.vectorColour", "Capture.vectorBlackAndWhite",
                                      "Capture.graph", "Capture.wholeProgram"};

QString sizeText(Size s) {
    return QString(" %1 × %2 pixels").arg(s.width).arg(s.height);
}

} // namespace

PrintDialog::PrintDialog(Printer& printer, int& printSize, int& printMode, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), printer_(printer),
      printSize_(printSize), printMode_(printMode) {
    setObjectName("Dprint");
    setWindowTitle(shownText("Print.title"));
    auto* layout = new QVBoxLayout(this);

    auto* what = new QGroupBox(shownText("Print.what"), this);
    auto* whatLayout = new QVBoxLayout(what);
    for (int i = 0; i < 4; ++i) {
        modes_[i] = new QRadioButton(shownText(kModeKeys[i]), what);
        whatLayout->addWidget(modes_[i]);
        const CaptureMode m = kModes[i];
        connect(modes_[i], &QRadioButton::clicked, this, [this, m] { chooseMode(m); });
    }
    layout->addWidget(what);

    auto* paper = new QGroupBox(shownText("Print.paper"), this);
    auto* paperLayout = new QHBoxLayout(paper);
    page_ = new QLabel(paper);
    auto* setup = new QPushButton(shownText("FilePrinterSetup"), paper);
    setup->setObjectName("button1");
    paperLayout->addWidget(page_, 1);
    paperLayout->addWidget(setup);
    connect(setup, &QPushButton::clicked, this, [this] {
        printer_.showSetup();
        refresh();
    });
    layout->addWidget(paper);

    auto* graph = new QGroupBox(shownText("Print.graphSize"), this);
    auto* graphLayout = new QVBoxLayout(graph);
    printed_ = new QLabel(graph);
    size_ = new QSlider(Qt::Horizontal, graph);
    size_->setObjectName("TrBar");
    size_->setRange(0, 100);
    size_->setTickInterval(10);
    size_->setTickPosition(QSlider::TicksBelow);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("0%"), graph));
    bar->addWidget(size_, 1);
    bar->addWidget(new QLabel(QStringLiteral("100%"), graph));
    whole_ = new QCheckBox(shownText("Print.wholeMultiple"), graph);
    graphLayout->addWidget(printed_);
    graphLayout->addLayout(bar);
    graphLayout->addWidget(whole_);
    connect(size_, &QSlider::valueChanged, this, [this](int v) {
        printSize_ = v;
        refresh();
    });
    connect(whole_, &QCheckBox::toggled, this, [this] { refresh(); });
    layout->addWidget(graph);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(shownText("Dialog.ok"), this);
    ok->setObjectName("btnOK");
    auto* cancel = new QPushButton(shownText("Print.cancel"), this);
    cancel->setObjectName("cancelBtn");
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    makeEnterMeanOk(*this, *ok);
}

QRadioButton* PrintDialog::modeButton(CaptureMode m) const {
    for (int i = 0; i < 4; ++i)
        if (kModes[i] == m) return modes_[i];
    return nullptr;
}

CaptureMode PrintDialog::mode() const {
    for (int i = 0; i < 4; ++i)
        if (modes_[i]->isChecked()) return kModes[i];
    return CaptureMode::VectorColour;
}

// The pictures scale by whole numbers and the high-resolution drawings by any factor.
void PrintDialog::chooseMode(CaptureMode m) {
    printMode_ = static_cast<int>(m);
    whole_->setChecked(!isVectorMode(m));
    refresh();
}

void PrintDialog::refresh() {
    const Size page = printer_.pageSize();
    page_->setText(sizeText(page));
    const Size picture = pictureSize ? pictureSize(mode()) : Size{};
    printed_->setText(sizeText(printedSize(picture, page, size_->value(), whole_->isChecked())));
}

int PrintDialog::exec() {
    QRadioButton* chosen = modeButton(static_cast<CaptureMode>(printMode_));
    (chosen ? chosen : modes_[0])->setChecked(true);
    whole_->setChecked(!isVectorMode(mode()));
    size_->setValue(printSize_);
    refresh();
    const int result = QDialog::exec();
    if (result == QDialog::Accepted && print) {
        hide();
        print(mode(), size_->value(), whole_->isChecked());
    }
    return result;
}

} // namespace tarlix
