#pragma once
// The graph window's control palette: tabs of buttons above the plot (the area, the scale,
// the background and the mouse tools). A wide window shows two tabs of two rows each. The
// palette may hide itself: it then floats over the top of the plot and shows only while the
// pointer is near the plot's top edge.

#include <QWidget>

#include <array>
#include <functional>

class QTabWidget;
class QToolBar;
class QVBoxLayout;

namespace tarlix {

class ControlPalette : public QWidget {
    Q_OBJECT
public:
    enum class Row { Area, Scale, Background, Tools };
    static constexpr int kMergeWidth = 430;  // from this client width two rows share a tab
    static constexpr int kShowDistance = 10; // a hidden palette shows this near the top

    explicit ControlPalette(QWidget* parent = nullptr);

    // The palette asks only for its height: the window's width is the plot's, and a row that
    // does not fit ends in an extension button.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    QToolBar* row(Row r) const { return rows_[place(r)]; }
    QTabWidget* tabs() const { return tabs_; }

    // The scale row joins the area tab and the tools the background tab when width allows.
    void arrangeFor(int width);
    bool merged() const { return merged_; }

    // A hiding palette floats over the widget `over` (the plot's holder) instead of taking
    // room above it.
    void setHides(bool hides, QWidget* over);
    bool hides() const { return hides_; }
    // The pointer moved over the plot at height y: a shown hiding palette hides, and shows
    // again near the top.
    void pointerAt(int y);
    // The widget that lies above the plot: this, or nothing while the palette floats.
    bool takesRoom() const { return !hides_; }

    // The user chose in the palette's menu whether it hides itself.
    std::function<void(bool hides)> hidingChosen;

private:
    static int place(Row r);
    void placeRow(Row r, Row tab);
    void showMenu(const QPoint& at);

    QTabWidget* tabs_;
    std::array<QToolBar*, 4> rows_{};
    std::array<QWidget*, 4> pages_{};
    QVBoxLayout* room_;
    bool merged_ = false;
    bool hides_ = false;
};

} // namespace tarlix
