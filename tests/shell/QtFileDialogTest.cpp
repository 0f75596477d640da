// The system's file dialog, answered as a user would: the file it gives back is the system's
// name for it, whatever letters that name has.

#include "platform/qt/QtFileDialog.h"
#include "QtTestApp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace tarlix;

namespace {

// Once the dialog shows, answer it with what the user does there.
void answerDialog(std::function<void(QFileDialog&)> answer) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        answer(*dialog);
    });
    timer->start(20);
}

std::string bytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

TEST(QtFileDialog, GivesTheChosenFileInTheSystemsBytes) {
    qttest::qtApp<QApplication>();
    QTemporaryDir dir;
    const QString folder = dir.filePath("Matemáticas Ω");
    QDir().mkpath(folder);
    const QString file = folder + "/parábola.tlx";
    QFile(file).open(QIODevice::WriteOnly);
    QtFileDialog dialogs;

    FileRequest open;
    open.title = "Abrir Proyecto de TARLIX";
    open.folder = bytes(folder);
    open.filters = {"TARLIX file (*.tlx)"};
    QString shownTitle;
    QString shownFolder;
    answerDialog([&](QFileDialog& d) {
        shownTitle = d.windowTitle();
        shownFolder = d.directory().absolutePath();
        d.selectFile(file);
        static_cast<QDialog&>(d).accept(); // as the dialog's own button does
    });
    EXPECT_EQ(dialogs.openFile(open).native(), bytes(file));
    EXPECT_EQ(shownTitle, "Abrir Proyecto de TARLIX");
    EXPECT_EQ(shownFolder, folder);

    answerDialog([](QFileDialog& d) { d.reject(); });
    EXPECT_TRUE(dialogs.openFile(open).empty());

    // A name typed without its extension gets the one the request gives.
    FileRequest save;
    save.name = bytes(file);
    save.filters = open.filters;
    save.defaultSuffix = "tlx";
    QString proposed;
    answerDialog([&](QFileDialog& d) {
        proposed = d.selectedFiles().value(0);
        d.selectFile(folder + "/señal");
        static_cast<QDialog&>(d).accept(); // as the dialog's own button does
    });
    EXPECT_EQ(dialogs.saveFile(save).native(), bytes(folder + "/señal.tlx"));
    EXPECT_EQ(proposed, file);
}
