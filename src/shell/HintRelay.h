#pragma once
// The hints of the program's windows: "Mostrar Pista" turns their pop-up hints on and off, and
// the hint of the data panel's control under the pointer stands in the graph window's status
// line while the pointer is over it.

#include <QObject>

#include <functional>
#include <vector>

class QLabel;
class QWidget;

namespace tarlix {

class HintRelay : public QObject {
    Q_OBJECT
public:
    // statusLine shows the data panel's hints; restore puts its own text back.
    HintRelay(QLabel* statusLine, std::function<void()> restore, QObject* parent = nullptr);

    // Windows whose hints the switch governs; the first given also sends its hints to the
    // status line.
    void watchWindow(QWidget* window);
    void setHintsOn(bool on) { on_ = on; }
    bool hintsOn() const { return on_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* statusLine_;
    std::function<void()> restore_;
    std::vector<QWidget*> windows_;
    bool on_ = true;
    bool showing_ = false;
};

} // namespace tarlix
