#pragma once
// The graph window: the program's main window, whose closing ends the program. It shows the
// picture of the project drawn by the rendering code at the view's pixel size.

#include <QImage>
#include <QMainWindow>

#include <functional>

class QLabel;

namespace tarlix {

class GraphImageWidget : public QWidget {
    Q_OBJECT
public:
    explicit GraphImageWidget(QWidget* parent = nullptr);
    void setImage(const QImage& image);
    const QImage& image() const { return image_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
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

    GraphImageWidget* graphImage() const { return image_; }
    GraphImageWidget* xStrip() const { return xStrip_; }
    GraphImageWidget* yStrip() const { return yStrip_; }
    // The picture and the ruler strips beside it; the window takes the size they need.
    void showPicture(const QImage& picture, const GraphStrips& strips);
    // Status bar panel 0: the pointer's coordinates.
    QLabel* coordinateText() const { return coordinates_; }
    // Status bar panel 1: the view's ranges, or a hint.
    QLabel* statusText() const { return status_; }
    // "TARLIX", or "TARLIX - " and the project's file name.
    void setProjectTitle(const QString& projectPath);

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void layOut(const GraphStrips& strips);

    QWidget* plotPanel_;
    GraphImageWidget* image_;
    GraphImageWidget* xStrip_;
    GraphImageWidget* yStrip_;
    QLabel* coordinates_;
    QLabel* status_;
};

} // namespace tarlix
