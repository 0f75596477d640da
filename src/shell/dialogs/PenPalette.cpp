#include "shell/dialogs/PenPalette.h"

#include "shell/ShownTexts.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QDrag>
#include <QEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolButton>
#include <QWindow>

#include <array>
#include <iterator>

namespace tarlix {

namespace {
constexpr std::array<unsigned, 16> kNormalSwatches = {
    0xFFFFFF, 0xFF0000, 0x0000FF, 0x00BF00, 0x000000, 0x808080, 0xE0E0FF, 0xFFE0E0,
    0xE0FFE0, 0xD000D0, 0xE0E0E0, 0xE0FFFF, 0xC0C000, 0x00FFFF, 0xFFE0FF, 0xFFFFE0};
constexpr std::array<unsigned, 16> kMonochromeSwatches = {
    0xFFFFFF, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0xD0D0D0, 0xD0D0D0,
    0xD0D0D0, 0x000000, 0xC0C0C0, 0xF0F0F0, 0x000000, 0xC0C0C0, 0xE0E0E0, 0xE0E0E0};
constexpr std::array<unsigned, 8> kNormalFurther = {0xFFFFFF, 0xE8FFFF, 0xFFFFF0, 0xF2F2FF,
                                                    0x008000, 0x000000, 0x800000, 0x00007F};
constexpr std::array<unsigned, 8> kMonochromeFurther = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                                                        0x000000, 0x000000, 0x000000, 0x000000};
constexpr int kEntrySize = 22;
constexpr int kUserEntry = 16; // the colour panel's "Color favorito" after the 16 swatches
constexpr int kColourColumns = 8;
constexpr int kDragDistance = 7;

QColor qColour(unsigned bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}
unsigned bgrOf(const QColor& c) {
    return static_cast<unsigned>(c.red()) | static_cast<unsigned>(c.green()) << 8 |
           static_cast<unsigned>(c.blue()) << 16;
}

QIcon swatchIcon(unsigned bgr) {
    QPixmap glyph(18, 18);
    glyph.fill(qColour(bgr));
    QPainter p(&glyph);
    p.setPen(Qt::gray);
    p.drawRect(0, 0, 17, 17);
    return QIcon(glyph);
}

struct PanelEntries {
    int first, last;     // entry numbers
    const char* hintKey; // the first entry's hint, if any
    int columns = 4;
    std::vector<int> values = {}; // the entries' values when they are not their numbers
};
// Colour: 16 swatches and the favourite colour; width 0..6 and one more; patterns 1..10;
// line styles 1..5; point styles 1..4; border styles 0..3; figure types 0..3; marker pen
// colours 0..15 and background colours 0..7 by index; memo frame styles 0..4 (each with its
// hint); font sizes; parameter styles 0..3; patterns 1..10.
const PanelEntries kEntries[] = {
    {0, kUserEntry, "PenPalette.clear", kColourColumns},
    {0, 7, "PenPalette.noWidth"},
    {1, 10, nullptr},
    {1, 5, nullptr},
    {1, 4, "PenPalette.borderOnly"},
    {0, 3, nullptr},
    {0, 3, nullptr},
    {0, 15, nullptr, kColourColumns},
    {0, 7, nullptr},
    {0, 4, "PenPalette.memo0", 5},
    {0, 5, nullptr, 3, {10, 12, 14, 18, 24, 32}},
    {0, 3, nullptr},
    {1, 10, nullptr},
};
static_assert(std::size(kEntries) == static_cast<std::size_t>(PenPanel::Count));

const PanelEntries& entriesOf(PenPanel panel) {
    return kEntries[static_cast<std::size_t>(panel)];
}

// The memo frame styles each have a hint of their own.
const char* const kMemoHints[] = {"PenPalette.memo0", "PenPalette.memo1", "PenPalette.memo2",
                                  "PenPalette.memo3", "PenPalette.memo4"};

// Panels whose entries are colours by index: the colour of entry i.
bool indexedColour(PenPanel panel, unsigned index, bool monochrome, unsigned& colour) {
    if (panel == PenPanel::MarkerColour && index < 16) {
        colour = swatchColour(static_cast<int>(index), monochrome);
        return true;
    }
    if (panel == PenPanel::BackgroundColour && index < 8) {
        colour = furtherColour(static_cast<int>(index), monochrome);
        return true;
    }
    return false;
}
} // namespace

unsigned swatchColour(int index, bool monochrome) {
    if (index < 0 || index >= 16) return 0xFFFFFF;
    return (monochrome ? kMonochromeSwatches : kNormalSwatches)[static_cast<std::size_t>(index)];
}

unsigned furtherColour(int index, bool monochrome) {
    if (index < 0 || index >= 8) return 0xFFFFFF;
    return (monochrome ? kMonochromeFurther : kNormalFurther)[static_cast<std::size_t>(index)];
}

unsigned graphPanelColour(bool monochrome) {
    return monochrome ? 0 : 0xE0A0A0;
}

bool droppedColour(const QMimeData& data, unsigned& colour) {
    if (!data.hasFormat(kColourMimeType)) return false;
    bool ok = false;
    const unsigned v = QString::fromLatin1(data.data(kColourMimeType)).toUInt(&ok);
    if (ok) colour = droppedColourValue(colourOfDrop(v), targetOfDrop(v));
    return ok;
}

unsigned droppedColourValue(unsigned colour, ColourTarget target) {
    return (colour & 0xFFFFFF) | static_cast<unsigned>(target) << 24;
}

ColourTarget targetOfDrop(unsigned dropped) {
    const unsigned mode = dropped >> 24;
    return mode == static_cast<unsigned>(ColourTarget::Line)     ? ColourTarget::Line
           : mode == static_cast<unsigned>(ColourTarget::Inside) ? ColourTarget::Inside
                                                                 : ColourTarget::Main;
}

void showPenValue(QAbstractButton& button, PenPanel panel, unsigned value, bool monochrome) {
    button.setProperty("penValue", value);
    unsigned indexed = 0;
    if (panel == PenPanel::Colour || indexedColour(panel, value, monochrome, indexed)) {
        button.setIcon(swatchIcon(panel == PenPanel::Colour ? value : indexed));
        button.setText(QString());
    } else {
        button.setIcon(QIcon());
        button.setText(QString::number(value));
    }
}

PenPaletteWindow::PenPaletteWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName("FmSetColor");
    setWindowTitle(shownText("PenColor.title"));
    entries_.resize(static_cast<std::size_t>(PenPanel::Count));
    for (int p = 0; p < static_cast<int>(PenPanel::Count); ++p)
        buildPanel(static_cast<PenPanel>(p));
    chooseUserColour = [this](unsigned& colour) {
        const QColor c = QColorDialog::getColor(qColour(colour), this);
        if (!c.isValid()) return false;
        colour = bgrOf(c);
        return true;
    };
    recolourSwatches();
    resize(panels_[0]->size());
}

void PenPaletteWindow::buildPanel(PenPanel panel) {
    const PanelEntries& shape = entriesOf(panel);
    auto* holder = new QWidget(this);
    holder->hide();
    auto& list = entries_[static_cast<std::size_t>(panel)];
    for (int v = shape.first; v <= shape.last; ++v) {
        auto* b = new QToolButton(holder);
        b->setAutoRaise(true);
        const int i = v - shape.first;
        b->setGeometry((i % shape.columns) * kEntrySize, (i / shape.columns) * kEntrySize,
                       kEntrySize, kEntrySize);
        const int value = shape.values.empty() ? v : shape.values[static_cast<std::size_t>(i)];
        b->setProperty("penValue", value);
        const bool user = panel == PenPanel::Colour && v == kUserEntry;
        if (panel != PenPanel::Colour) b->setText(QString::number(value));
        if (user) {
            b->setText("*");
            b->setToolTip(shownText("PenPalette.favourite"));
        }
        if (v == shape.first && shape.hintKey) b->setToolTip(shownText(shape.hintKey));
        if (panel == PenPanel::MemoFrame) b->setToolTip(shownText(kMemoHints[i]));
        if (panel == PenPanel::Colour && !user) b->installEventFilter(this);
        connect(b, &QToolButton::clicked, this, [this, panel, b, user] {
            if (user) {
                chooseUser();
                return;
            }
            choose(panel, b->property("penValue").toUInt());
        });
        list.push_back(b);
    }
    const int rows = (static_cast<int>(list.size()) + shape.columns - 1) / shape.columns;
    holder->resize(shape.columns * kEntrySize, rows * kEntrySize);
    panels_.push_back(holder);
}

// The colour swatches carry their colour; the indexed colour panels show theirs.
void PenPaletteWindow::recolourSwatches() {
    const auto& swatches = entries_[static_cast<std::size_t>(PenPanel::Colour)];
    for (int i = 0; i < 16; ++i) {
        const unsigned c = swatchColour(i, monochrome_);
        swatches[static_cast<std::size_t>(i)]->setProperty("penValue", c);
        swatches[static_cast<std::size_t>(i)]->setIcon(swatchIcon(c));
    }
    for (PenPanel panel : {PenPanel::MarkerColour, PenPanel::BackgroundColour})
        for (QToolButton* b : entries_[static_cast<std::size_t>(panel)])
            showPenValue(*b, panel, b->property("penValue").toUInt(), monochrome_);
}

void PenPaletteWindow::setMonochrome(bool monochrome) {
    monochrome_ = monochrome;
    recolourSwatches();
}

QToolButton* PenPaletteWindow::entry(PenPanel panel, int index) const {
    const auto& list = entries_[static_cast<std::size_t>(panel)];
    const int first = entriesOf(panel).first;
    const int i = index - first;
    return i >= 0 && i < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(i)]
                                                       : nullptr;
}

void PenPaletteWindow::popUp(QAbstractButton* target, PenPanel panel,
                             std::function<void(unsigned)> chosen, bool extraWidth,
                             ColourTarget dropMode) {
    target_ = target;
    dropMode_ = dropMode;
    chosen_ = std::move(chosen);
    shown_ = panel;
    for (std::size_t p = 0; p < panels_.size(); ++p)
        panels_[p]->setVisible(p == static_cast<std::size_t>(panel));
    QWidget* holder = panels_[static_cast<std::size_t>(panel)];
    holder->move(0, 0);
    // The width panel's last entry is offered only where a caller asks for it.
    if (panel == PenPanel::Width)
        entries_[static_cast<std::size_t>(panel)].back()->setVisible(extraWidth);
    resize(holder->size());
    if (target) {
        if (target->property("penValue").isValid())
            userColour_ = target->property("penValue").toUInt();
        const QPoint at = target->mapToGlobal(QPoint(0, target->height()));
        int left = at.x() - 16;
        if (const QScreen* s = target->screen()) {
            const QRect area = s->availableGeometry();
            if (left + width() > area.right() + 1) left = area.right() + 1 - width();
        }
        move(left, at.y());
    }
    // A window of the target's dialog, so that a modal dialog does not block it.
    if (target && target->window()->windowHandle()) {
        winId();
        windowHandle()->setTransientParent(target->window()->windowHandle());
    }
    show();
    raise();
    activateWindow();
}

void PenPaletteWindow::choose(PenPanel panel, unsigned value) {
    if (target_) showPenValue(*target_, panel, value, monochrome_);
    auto chosen = chosen_;
    hide();
    if (chosen) chosen(value);
}

// The user colour is kept only when the colour question returns one; the picker closes anyway.
void PenPaletteWindow::chooseUser() {
    unsigned colour = userColour_;
    if (chooseUserColour && chooseUserColour(colour)) {
        userColour_ = colour;
        choose(PenPanel::Colour, colour);
        return;
    }
    hide();
}

void PenPaletteWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) hide();
}

// A swatch pressed and moved further than a click is dragged as its colour.
bool PenPaletteWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* b = qobject_cast<QToolButton*>(watched);
    if (b && event->type() == QEvent::MouseButtonPress)
        pressAt_ = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (b && event->type() == QEvent::MouseMove &&
        (static_cast<QMouseEvent*>(event)->buttons() & Qt::LeftButton)) {
        const QPoint d = static_cast<QMouseEvent*>(event)->position().toPoint() - pressAt_;
        if (d.manhattanLength() > kDragDistance) {
            auto* mime = new QMimeData;
            mime->setData(kColourMimeType, QByteArray::number(droppedColourValue(
                                               b->property("penValue").toUInt(), dropMode_)));
            auto* drag = new QDrag(b);
            drag->setMimeData(mime);
            drag->setPixmap(b->icon().pixmap(18, 18));
            b->setDown(false);
            drag->exec(Qt::CopyAction);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarlix
