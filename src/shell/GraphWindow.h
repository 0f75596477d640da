#pragma once
// The graph window: the program's main window, whose closing ends the program. It shows the
// picture of the project drawn by the rendering code at the view's pixel size.

#include "shell/GraphMouse.h"

#include <QImage>
#include <QMainWindow>

#include <functional>

class QAction;
class QLabel;

namespace tarlix {

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    DragFeedback feedback_;
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

    // Asked when the window is about to close: true lets it close. The program asks its
    // question here and writes its state values whatever the answer.
    std::function<bool()> canClose;
    // Told when the user moved the window.
    std::function<void()> moved;
    // Told when the user gave the window a size: the size the picture may now take.
    std::function<void(int width, int height)> plotResized;

    GraphImageWidget* graphImage() const { return image_; }
    GraphImageWidget* xStrip() const { return xStrip_; }
    GraphImageWidget* yStrip() const { return yStrip_; }
    // The picture and the ruler strips beside it; the window takes the size they need.
    void showPicture(const QImage& picture, const GraphStrips& strips);
    // The height of the rows of buttons above the picture.
    int toolBarsHeight() const;
    // The window takes the size its picture and strips ask for.
    void fitToPicture();
    // Reports the picture size that the window's present size leaves room for, when it is not
    // the picture's own.
    void takeWindowSize();
    // Status bar panel 0: the pointer's coordinates.
    QLabel* coordinateText() const { return coordinates_; }
    // Status bar panel 1: the view's ranges, or a hint.
    QLabel* statusText() const { return status_; }
    // "TARLIX", or "TARLIX - " and the project's file name.
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
    BackgroundButtons background_;
    QSize strips_; // the room the shown strips take beside the plot's panel
};

} // namespace tarlix
