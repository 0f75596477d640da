#include "shell/VersionWindow.h"

#include "shell/ShownTexts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tarlix {

VersionWindow::VersionWindow(QWidget* parent) : QWidget(parent, Qt::SplashScreen) {
    setObjectName("version");
    setWindowTitle(shownText("Version.title"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(shownText("Version.name"), this);
    QFont f("Times New Roman");
    f.setPointSize(28);
    f.setBold(true);
    title->setFont(f);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    auto* line = new QLabel(shownText("Version.number"), this);
    line->setAlignment(Qt::AlignCenter);
    layout->addWidget(line);
    resize(360, 160);
}

} // namespace tarlix
