#include "shell/SimpleWindows.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tarlix {

TFmSetColor::TFmSetColor(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName("FmSetColor");
    setWindowTitle("Pen Color");
    resize(160, 120);
}

TCalcForm::TCalcForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("CalcForm");
    setWindowTitle("Calculadora");
    resize(420, 320);
}

Tversion::Tversion(QWidget* parent) : QWidget(parent, Qt::SplashScreen) {
    setObjectName("version");
    setWindowTitle("TARLIX");
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel("TARLIX", this);
    QFont f("Times New Roman");
    f.setPointSize(28);
    f.setBold(true);
    title->setFont(f);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    auto* line = new QLabel("2.8", this);
    line->setAlignment(Qt::AlignCenter);
    layout->addWidget(line);
    resize(360, 160);
}

} // namespace tarlix
