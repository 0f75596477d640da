#include "shell/GraphWindow.h"
#include "shell/ShownTexts.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QStatusBar>

namespace tarlix {

GraphImageWidget::GraphImageWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphImageWidget::setImage(const QImage& image) {
    image_ = image;
    setFixedSize(image_.size().isEmpty() ? QSize(400, 400) : image_.size());
    // The plot's panel is the picture with a 4-pixel border.
    if (parentWidget()) parentWidget()->setFixedSize(size() + QSize(8, 8));
    update();
}

QSize GraphImageWidget::sizeHint() const {
    return image_.isNull() ? QSize(400, 400) : image_.size();
}

void GraphImageWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!image_.isNull()) p.drawImage(0, 0, image_);
}

GraphWindow::GraphWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("GraphAreaForm");
    setWindowTitle(shownText("Graph.title"));
    image_ = new GraphImageWidget(this);
    auto* holder = new QWidget(this);
    holder->setContentsMargins(4, 4, 4, 4);
    image_->setParent(holder);
    image_->move(4, 4);
    setCentralWidget(holder);
    status_ = new QLabel(this);
    statusBar()->addWidget(status_, 1);
}

void GraphWindow::setProjectTitle(const QString& projectPath) {
    setWindowTitle(projectPath.isEmpty()
                       ? shownText("Graph.title")
                       : shownText("Graph.titleBeforeFile") + QFileInfo(projectPath).fileName());
}

void GraphWindow::closeEvent(QCloseEvent* event) {
    if (canClose && !canClose()) {
        event->ignore();
        return;
    }
    event->accept();
}

void GraphWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (moved) moved();
}

} // namespace tarlix
