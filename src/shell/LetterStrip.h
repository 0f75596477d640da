#pragma once
// The "Dibujar" strip of the figure categories: one flat letter button for every free figure
// slot. The letters appear while the pointer is over the strip and hide when it moves on to
// the category panels; a strip wider than its panel scrolls sideways while the pointer is held
// near the panel's left or right edge.

#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QToolButton;

namespace tarlix {

class LetterStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 22;
    static constexpr int kLetterSpacing = 19;
    static constexpr int kScrollStep = 3;
    static constexpr int kEdgeZone = 12; // how near an edge the pointer scrolls

    explicit LetterStrip(QWidget* panel);

    void setFreeFigures(const std::vector<int>& figures);
    QToolButton* letterButton(int figure) const;
    std::function<void(int figure)> letterChosen;

    bool lettersShown() const;
    // How far the letters are scrolled to the left, in pixels.
    int scrollOffset() const { return offset_; }
    // One step towards the right end of the strip (direction 1) or its start (-1).
    void scrollStep(int direction);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pointerAt(int x);
    void showLetters(bool shown);
    void fitToPanel();
    int lettersWidth() const;
    int maxOffset() const;

    QLabel* label_;
    QWidget* viewport_; // clips the letters beside the label
    QWidget* letters_;
    std::vector<QToolButton*> buttons_;
    int shownCount_ = 0;
    int offset_ = 0;
    int direction_ = 0; // the edge the pointer is held at: -1 left, 1 right, 0 none
    QTimer scrollTimer_;
};

} // namespace tarlix
