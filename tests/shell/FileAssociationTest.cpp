#include "shell/FileAssociation.h"
#include "QtTestApp.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarlix;

namespace {
QString contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
} // namespace

TEST(FileAssociation, AssociateAsksThenInstallsTypeEntryAndDefault) {
    qttest::qtApp<QApplication>();
    QTemporaryDir data, config;
    QFile other(config.path() + "/mimeapps.list");
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("[Default Applications]\ntext/plain=editor.desktop\n");
    other.close();

    FileAssociation assoc(data.path(), config.path());
    RecordingMessageBox refuse(false);
    associate(refuse, assoc, "/opt/tarlix/tarlix");
    ASSERT_EQ(refuse.entries.size(), 1u);
    EXPECT_EQ(refuse.entries[0].text,
              "Archivos con extensi\xF3n tlx\" ser\xE1n abiertos con TARLIX");
    EXPECT_FALSE(assoc.mimeTypeInstalled());

    RecordingMessageBox accept(true);
    associate(accept, assoc, "/opt/tarlix/tarlix");
    EXPECT_TRUE(assoc.mimeTypeInstalled());
    EXPECT_TRUE(contents(assoc.mimeFile()).contains("*.tlx"));
    EXPECT_TRUE(contents(assoc.desktopFile()).contains("Exec=\"/opt/tarlix/tarlix\" %f"));
    const QString defaults = contents(assoc.defaultsFile());
    EXPECT_TRUE(defaults.contains("application/x-tarlix-project=tarlix.desktop"));
    EXPECT_TRUE(defaults.contains("text/plain=editor.desktop"));
}

TEST(FileAssociation, ReleaseAsksOnlyWhenSomethingIsInstalled) {
    qttest::qtApp<QApplication>();
    QTemporaryDir data, config;
    FileAssociation assoc(data.path(), config.path());
    RecordingMessageBox box(true);
    releaseAssociation(box, assoc);
    EXPECT_TRUE(box.entries.empty());

    assoc.install("/usr/bin/tarlix");
    QFile::remove(assoc.desktopFile()); // only the ".tlx" part is left
    releaseAssociation(box, assoc);
    ASSERT_EQ(box.entries.size(), 1u);
    EXPECT_EQ(box.entries[0].text, "Liberar la asociaci\xF3n de archivos usando [OK]");
    EXPECT_FALSE(assoc.mimeTypeInstalled());
    EXPECT_FALSE(contents(assoc.defaultsFile()).contains("tarlix"));
}
