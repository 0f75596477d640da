#include "shell/ControlPalette.h"

#include "shell/ShownTexts.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace tarlix {

namespace {
constexpr const char* kTabKeys[] = {"Palette.area", "Palette.scale", "Palette.background",
                                    "Palette.tools"};
constexpr const char* kRowNames[] = {"areaButtons", "scaleButtons", "backgroundButtons",
                                     "toolButtons"};
} // namespace

ControlPalette::ControlPalette(QWidget* parent) : QWidget(parent) {
    setObjectName("controlPalette");
    room_ = new QVBoxLayout(this);
    room_->setContentsMargins(0, 0, 0, 0);
    room_->setSizeConstraint(QLayout::SetNoConstraint);
    tabs_ = new QTabWidget;
    tabs_->setObjectName("PageControl");
    room_->addWidget(tabs_);
    for (int i = 0; i < 4; ++i) {
        pages_[i] = new QWidget;
        auto* layout = new QHBoxLayout(pages_[i]);
        layout->setContentsMargins(2, 2, 2, 2);
        rows_[i] = new QToolBar;
        rows_[i]->setObjectName(kRowNames[i]);
        // The area row (with the domain history) keeps its buttons out of the overflow; the
        // scale row beside it gives way.
        if (i == static_cast<int>(Row::Area))
            rows_[i]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        layout->addWidget(rows_[i]);
        layout->addStretch();
        tabs_->addTab(pages_[i], shownText(kTabKeys[i]));
    }
    tabs_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tabs_, &QWidget::customContextMenuRequested, this, &ControlPalette::showMenu);
}

QSize ControlPalette::sizeHint() const {
    return {1, tabs_->sizeHint().height()};
}

// Each row starts on its own tab, which has the row's place.
int ControlPalette::place(Row r) {
    return static_cast<int>(r);
}

void ControlPalette::placeRow(Row r, Row tab) {
    auto* layout = static_cast<QHBoxLayout*>(pages_[place(tab)]->layout());
    layout->insertWidget(layout->count() - 1, rows_[place(r)]);
}

void ControlPalette::arrangeFor(int width) {
    const bool merge = width >= kMergeWidth;
    if (merge == merged_) return;
    merged_ = merge;
    placeRow(Row::Scale, merge ? Row::Area : Row::Scale);
    placeRow(Row::Tools, merge ? Row::Background : Row::Tools);
    tabs_->setTabVisible(place(Row::Scale), !merge);
    tabs_->setTabVisible(place(Row::Tools), !merge);
    tabs_->setTabText(place(Row::Area), shownText(merge ? "Palette.areaAndScale" : "Palette.area"));
    tabs_->setTabText(place(Row::Background),
                      shownText(merge ? "Palette.backgroundAndTools" : "Palette.background"));
}

void ControlPalette::setHides(bool hides, QWidget* over) {
    if (hides == hides_) return;
    hides_ = hides;
    if (hides) {
        room_->removeWidget(tabs_);
        tabs_->setParent(over);
        tabs_->resize(tabs_->sizeHint().width(), tabs_->sizeHint().height());
        tabs_->move(0, 0);
        tabs_->hide();
        hide();
    } else {
        tabs_->setParent(this);
        room_->addWidget(tabs_);
        tabs_->show();
        show();
    }
}

void ControlPalette::pointerAt(int y) {
    if (!hides_) return;
    if (tabs_->isVisible()) {
        tabs_->hide();
    } else if (y < kShowDistance) {
        tabs_->show();
        tabs_->raise();
    }
}

void ControlPalette::showMenu(const QPoint& at) {
    QMenu menu(this);
    menu.setObjectName("pmHideAutoCtrlPalette");
    QAction* hide = menu.addAction(shownText("Palette.hideAutomatically"));
    hide->setObjectName("NHideAutoCtrlPalette");
    QAction* show = menu.addAction(shownText("Palette.showAlways"));
    show->setObjectName("NShowCtrlPalette");
    for (QAction* a : {hide, show}) a->setCheckable(true);
    hide->setChecked(hides_);
    show->setChecked(!hides_);
    QAction* chosen = menu.exec(tabs_->mapToGlobal(at));
    if (chosen && hidingChosen) hidingChosen(chosen == hide);
}

} // namespace tarlix
