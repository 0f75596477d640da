#include "platform/qt/QtFileDialog.h"

#include "platform/qt/QtFileNames.h"
#include "platform/qt/QtText.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QStringList>

namespace tarlix {

namespace {

QString startOf(const FileRequest& r) {
    if (r.folder.empty()) return decodePath(r.name);
    return QDir(decodePath(r.folder)).filePath(decodePath(r.name));
}

QStringList filtersOf(const FileRequest& r) {
    QStringList filters;
    for (const std::string& f : r.filters) filters << toQString(f);
    return filters;
}

std::filesystem::path chosen(const QString& path) {
    return path.isEmpty() ? std::filesystem::path() : std::filesystem::path(encodePath(path));
}

} // namespace

std::filesystem::path QtFileDialog::openFile(const FileRequest& request) {
    return chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(),
                                               toQString(request.title), startOf(request),
                                               filtersOf(request).join(";;")));
}

std::filesystem::path QtFileDialog::saveFile(const FileRequest& request) {
    QFileDialog dialog(QApplication::activeWindow(), toQString(request.title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (!request.defaultSuffix.empty()) dialog.setDefaultSuffix(toQString(request.defaultSuffix));
    dialog.setNameFilters(filtersOf(request));
    if (!request.folder.empty()) dialog.setDirectory(decodePath(request.folder));
    if (!request.name.empty()) dialog.selectFile(startOf(request));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return chosen(dialog.selectedFiles().first());
}

} // namespace tarlix
