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
    QLabel* statusText() const { return status_; }
    // "TARLIX", or "TARLIX - " and the project's file name.
    void setProjectTitle(const QString& projectPath);

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    GraphImageWidget* image_;
    QLabel* status_;
};

} // namespace tarlix
