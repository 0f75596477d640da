#pragma once
// The graph window: the program's main window, whose closing ends the program. It shows the
// picture of the project drawn by the rendering code at the view's pixel size.

#include "shell/GraphMouse.h"

#include <QImage>
#include <QLine>
#include <QMainWindow>

#include <functional>
#include <optional>

class QAction;
class QLabel;

namespace tarlix {

class ControlPalette;

class GraphImageWidget : public QWidget {
    Q_OBJECT
public:
    explicit GraphImageWidget(QWidget* parent = nullptr);
    void setImage(const QImage& image);
    const QImage& image() const { return image_; }
    QSize sizeHint() const override;
    // What a held mouse button shows over the picture: a ring at a dragged figure, the zoom
    // rectangle, or the picture shifted by the pan.
    void setFeedback(const DragFeedback& feedback);
    // A line drawn over the picture by XOR, as a ruler strip marks the pointer's place; none
    // hides it.
    void setPointerTick(std::optional<QLine> tick);
    std::optional<QLine> pointerTick() const { return tick_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    DragFeedback feedback_;
    std::optional<QLine> tick_;
};

// Where the ruler strips stand beside the drawing area, and their images (null when hidden).
struct GraphStrips {
    QImage x;
    QImage y;
    bool xAbove = false;
    bool yRight = false;
};

class GraphWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit GraphWindow(QWidget* parent = nullptr);
    ~GraphWindow() override;

    // The filter takes the picture's events until the window begins to go, before any of its
    // parts are destroyed.
    void watchPicture(QObject* filter);

    // Asked when the window is about to close: true lets it close. The program asks its
    // question here and writes its state values whatever the answer.
    std::function<bool()> canClose;
    // Told when the user moved the window.
    std::function<void()> moved;
    // Told whenever the window's size changed, with its former width.
    std::function<void(int oldWidth)> sizeChanged;
    // Told when the user gave the window a size: the size the picture may now take.
    std::function<void(int width, int height)> plotResized;

    GraphImageWidget* graphImage() const { return image_; }
    GraphImageWidget* xStrip() const { return xStrip_; }
    GraphImageWidget* yStrip() const { return yStrip_; }
    // The picture and the ruler strips beside it; the window takes the size they need.
    void showPicture(const QImage& picture, const GraphStrips& strips);
    // The height the control palette takes above the picture.
    int toolBarsHeight() const;
    // Each ruler strip marks the pointer's place on the picture: the x strip by a line down
    // through its x, the y strip by a line across at its y. None clears both.
    void setPointerTicks(std::optional<QPoint> at);
    // The window takes the size its picture and strips ask for.
    void fitToPicture();
    // Reports the picture size that the window's present size leaves room for, when it is not
    // the picture's own.
    void takeWindowSize();
    // Status bar panel 0: the pointer's coordinates.
    QLabel* coordinateText() const { return coordinates_; }
    // Status bar panel 1: the view's ranges, or a hint.
    QLabel* statusText() const { return status_; }
    // "TARLIX", or "TARLIX : " and the project's file name.
    void setProjectTitle(const QString& projectPath);
    // The view buttons: the zoom-in, zoom-out and pan tools (checkable, at most one down),
    // "1 : 1", and undo and redo of the view history.
    QAction* zoomInTool() const { return zoomIn_; }
    QAction* zoomOutTool() const { return zoomOut_; }
    QAction* panTool() const { return pan_; }
    QAction* connectTool() const { return connect_; }
    QAction* squareButton() const { return square_; }
    QAction* undoViewButton() const { return undoView_; }
    QAction* redoViewButton() const { return redoView_; }
    // The floating labels beside the pointer and their buttons (checkable): the position of
    // the object under the pointer, and its equation.
    QAction* positionButton() const { return position_; }
    QAction* equationButton() const { return equation_; }
    // The options dialog and the calculator (checkable: shown or closed).
    QAction* optionsButton() const { return options_; }
    QAction* calculatorButton() const { return calculator_; }
    // The definite-integral and function-value windows (checkable: open or closed).
    QAction* integralButton() const { return integral_; }
    QAction* valuesButton() const { return values_; }
    // The scale buttons: the rulers outside the plot (checkable), the graduation level, the
    // label size, and a finer or coarser grid on each axis.
    struct ScaleButtons {
        QAction* outside = nullptr;
        QAction* graduation = nullptr;
        QAction* labelSize = nullptr;
        QAction* xFiner = nullptr;
        QAction* xCoarser = nullptr;
        QAction* yFiner = nullptr;
        QAction* yCoarser = nullptr;
    };
    const ScaleButtons& scaleButtons() const { return scale_; }
    ControlPalette* palette() const { return palette_; }
    // The palette floats over the plot and shows near its top, or takes its room above it.
    void setPaletteHides(bool hides);
    QLabel* positionLabel() const { return positionLabel_; }
    QLabel* equationLabel() const { return equationLabel_; }
    // The background picture's buttons: from a file, from the clipboard, stretching on and off
    // with its three modes (data 1 width, 2 height, 3 whole plot), and off.
    struct BackgroundButtons {
        QAction* fromFile = nullptr;
        QAction* fromClipboard = nullptr;
        QAction* stretch = nullptr;
        QAction* modes[3] = {};
        QAction* off = nullptr;
    };
    const BackgroundButtons& backgroundButtons() const { return background_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut(const GraphStrips& strips);
    void createViewButtons();
    void createBackgroundButtons();
    void createHoverLabels();

    QWidget* plotPanel_;
    GraphImageWidget* image_;
    GraphImageWidget* xStrip_;
    GraphImageWidget* yStrip_;
    QLabel* coordinates_;
    QLabel* status_;
    QAction* zoomIn_ = nullptr;
    QAction* zoomOut_ = nullptr;
    QAction* pan_ = nullptr;
    QAction* connect_ = nullptr;
    QAction* square_ = nullptr;
    QAction* undoView_ = nullptr;
    QAction* redoView_ = nullptr;
    QAction* position_ = nullptr;
    QAction* equation_ = nullptr;
    QAction* options_ = nullptr;
    QAction* calculator_ = nullptr;
    QAction* integral_ = nullptr;
    QAction* values_ = nullptr;
    ScaleButtons scale_;
    ControlPalette* palette_ = nullptr;
    QLabel* positionLabel_ = nullptr;
    QLabel* equationLabel_ = nullptr;
    BackgroundButtons background_;
    QObject* pictureFilter_ = nullptr;
    QSize strips_; // the room the shown strips take beside the plot's panel
};

} // namespace tarlix
