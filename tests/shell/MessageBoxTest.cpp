#include "QtTestApp.h"
#include "document/ProjectFile.h"
#include "shell/MessageWindow.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarlix;

namespace {
// Presses the button with the given caption on the box that is showing.
void pressLater(const QString& caption, QPoint moveTo = {}) {
    QTimer::singleShot(0, [caption, moveTo] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<MessageWindow*>(w);
            if (!box || !box->isVisible()) continue;
            if (!moveTo.isNull()) box->move(moveTo);
            for (auto* b : box->findChildren<QPushButton*>())
                if (b->text() == caption) b->click();
        }
    });
}
} // namespace

TEST(MessageBox, TitlesAndButtonsByKind) {
    qttest::qtApp<QApplication>();
    MessageWindow warning("Salir usando [OK]", MessageKind::Warning, true);
    EXPECT_EQ(warning.windowTitle(), "Advertencia");
    EXPECT_EQ(warning.findChildren<QPushButton*>().size(), 2);
    MessageWindow error("x", MessageKind::Error, false);
    EXPECT_EQ(error.windowTitle(), "ERROR");
    EXPECT_EQ(error.findChildren<QPushButton*>().size(), 1);
    EXPECT_EQ(MessageWindow(QString(), MessageKind::Information, false).windowTitle(),
              QString::fromUtf8("Información"));
}

TEST(MessageBox, LongTextWidensTheBox) {
    qttest::qtApp<QApplication>();
    MessageWindow shortBox("Hola", MessageKind::Information, false);
    MessageWindow longBox(QString(200, 'W'), MessageKind::Information, false);
    EXPECT_GT(longBox.width(), shortBox.width());
    QLabel* text = nullptr;
    for (auto* l : longBox.findChildren<QLabel*>())
        if (l->text().size() == 200) text = l;
    ASSERT_NE(text, nullptr);
    EXPECT_GE(longBox.width(), QFontMetrics(text->font()).horizontalAdvance(text->text()) + 20);
}

TEST(MessageBox, AnswersAndRemembersWhereItWasLeft) {
    qttest::qtApp<QApplication>();
    QtMessageBox box;
    pressLater("&Cancelar", QPoint(123, 77));
    EXPECT_FALSE(box.show("Borrar usando [OK]", MessageKind::Warning, true));
    EXPECT_EQ(box.position(), QPoint(123, 77));
    pressLater("&Bien");
    EXPECT_TRUE(box.show("Borrar usando [OK]", MessageKind::Warning, true));
    EXPECT_EQ(box.position(), QPoint(123, 77));
}

// A file named at the end of a message is shown as the system names it.
TEST(MessageBox, ShowsAFileNameAsTheSystemNamesIt) {
    qttest::qtApp<QApplication>();
    const QString path = QString::fromUtf8("/tmp/Matemáticas/Ωμέγα ñ.tlx");
    QStringList shown;
    QTimer::singleShot(0, [&shown] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<MessageWindow*>(w);
            if (!box || !box->isVisible()) continue;
            for (auto* l : box->findChildren<QLabel*>()) shown << l->text();
            for (auto* b : box->findChildren<QPushButton*>()) b->click();
        }
    });
    QtMessageBox box;
    box.show(kMsgFileNotFound + QFile::encodeName(path).toStdString(), MessageKind::Error, false);
    EXPECT_TRUE(shown.contains("No se encuentra el archivo" + path))
        << shown.join('|').toStdString();
}
