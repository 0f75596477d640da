#include "shell/FileAssociation.h"

#include "platform/qt/QtText.h"
#include "shell/ShownTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>

namespace tarlix {

namespace {
const QString kMimeType = QStringLiteral("application/x-tarlix-project");
const QString kDesktopName = QStringLiteral("tarlix.desktop");
const QString kDefaultsGroup = QStringLiteral("[Default Applications]");

bool writeText(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    file.write(text.toUtf8());
    return file.commit();
}

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    return QString::fromUtf8(file.readAll());
}

// The lines of mimeapps.list with our type's default set (or removed when program is empty),
// every other line kept.
QString withDefault(const QString& existing, bool set) {
    QStringList lines = existing.split('\n');
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [](const QString& l) { return l.startsWith(kMimeType + '='); }),
                lines.end());
    if (set) {
        qsizetype group = lines.indexOf(kDefaultsGroup);
        if (group < 0) {
            lines.append(kDefaultsGroup);
            group = lines.size() - 1;
        }
        lines.insert(group + 1, kMimeType + '=' + kDesktopName);
    }
    return lines.join('\n') + '\n';
}

QString quoteExec(const QString& path) {
    QString p = path;
    p.replace('\\', QStringLiteral("\\\\")).replace('"', QStringLiteral("\\\""));
    return '"' + p + '"';
}
} // namespace

FileAssociation::FileAssociation(QString dataHome, QString configHome)
    : dataHome_(dataHome.isEmpty()
                    ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                    : dataHome),
      configHome_(configHome.isEmpty()
                      ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                      : configHome) {}

QString FileAssociation::mimeFile() const {
    return dataHome_ + QStringLiteral("/mime/packages/tarlix-project.xml");
}
QString FileAssociation::desktopFile() const {
    return dataHome_ + QStringLiteral("/applications/") + kDesktopName;
}
QString FileAssociation::defaultsFile() const {
    return configHome_ + QStringLiteral("/mimeapps.list");
}

bool FileAssociation::mimeTypeInstalled() const {
    return QFileInfo::exists(mimeFile());
}
bool FileAssociation::desktopEntryInstalled() const {
    return QFileInfo::exists(desktopFile());
}

void FileAssociation::install(const QString& programPath) {
    writeText(mimeFile(),
              QStringLiteral(
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                  "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                  "  <mime-type type=\"%1\">\n"
                  "    <comment>TARLIX Project File</comment>\n"
                  "    <glob pattern=\"*.tlx\"/>\n"
                  "  </mime-type>\n"
                  "</mime-info>\n")
                  .arg(kMimeType));
    writeText(desktopFile(), QStringLiteral("[Desktop Entry]\n"
                                            "Type=Application\n"
                                            "Name=TARLIX\n"
                                            "Comment=TARLIX Project File\n"
                                            "Exec=%1 %f\n"
                                            "Icon=%2\n"
                                            "MimeType=%3;\n"
                                            "Terminal=false\n"
                                            "Categories=Education;Math;\n")
                                 .arg(quoteExec(programPath), programPath, kMimeType));
    writeText(defaultsFile(), withDefault(readText(defaultsFile()), true));
    refreshDatabases();
}

void FileAssociation::remove() {
    QFile::remove(mimeFile());
    QFile::remove(desktopFile());
    if (QFileInfo::exists(defaultsFile()))
        writeText(defaultsFile(), withDefault(readText(defaultsFile()), false));
    refreshDatabases();
}

void FileAssociation::refreshDatabases() const {
    // Best effort: the desktop picks the files up by itself where these tools are missing.
    for (const auto& [tool, folder] :
         {std::pair{QStringLiteral("update-mime-database"), dataHome_ + QStringLiteral("/mime")},
          std::pair{QStringLiteral("update-desktop-database"),
                    dataHome_ + QStringLiteral("/applications")}}) {
        if (QStandardPaths::findExecutable(tool).isEmpty() || !QFileInfo::exists(folder)) continue;
        QProcess::execute(tool, {folder});
    }
}

void associate(MessageBox& box, FileAssociation& association, const QString& programPath) {
    if (box.show(shownMessage("Association.question"), MessageKind::Warning, true))
        association.install(programPath);
}

void releaseAssociation(MessageBox& box, FileAssociation& association) {
    if (!association.mimeTypeInstalled() && !association.desktopEntryInstalled()) return;
    if (box.show(shownMessage("Association.releaseQuestion"), MessageKind::Warning, true))
        association.remove();
}

} // namespace tarlix
