#include "platform/qt/QtFileDialog.h"

#include "platform/qt/QtFileNames.h"
#include "platform/qt/QtText.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QRegularExpression>
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

// The first extension a filter names ("Imagen GIF (*.gif)" gives ".gif"); empty for none.
QString extensionOfFilter(const QString& filter) {
    const QRegularExpressionMatch m = QRegularExpression(R"(\*(\.[A-Za-z0-9]+))").match(filter);
    return m.hasMatch() ? m.captured(1) : QString();
}

// The name typed in the dialog takes the filter's extension in place of its own.
void giveExtension(QFileDialog& dialog, const QString& filter) {
    auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit");
    const QString extension = extensionOfFilter(filter);
    if (!edit || extension.isEmpty() || edit->text().isEmpty()) return;
    const QString name = edit->text();
    const qsizetype dot = name.lastIndexOf('.');
    edit->setText((dot > 0 ? name.left(dot) : name) + extension);
}

} // namespace

std::filesystem::path QtFileDialog::openFile(const FileRequest& request) {
    return chosen(QFileDialog::getOpenFileName(QApplication::activeWindow(),
                                               toQString(request.title), startOf(request),
                                               filtersOf(request).join(";;")));
}

std::filesystem::path QtFileDialog::saveFile(const FileRequest& request) {
    return saveFileChoosing(request).path;
}

SaveChoice QtFileDialog::saveFileChoosing(const FileRequest& request) {
    QFileDialog dialog(QApplication::activeWindow(), toQString(request.title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (!request.defaultSuffix.empty()) dialog.setDefaultSuffix(toQString(request.defaultSuffix));
    const QStringList filters = filtersOf(request);
    dialog.setNameFilters(filters);
    if (!request.folder.empty()) dialog.setDirectory(decodePath(request.folder));
    if (!request.name.empty()) dialog.selectFile(startOf(request));
    if (request.filterSetsExtension)
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& filter) { giveExtension(dialog, filter); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const auto filter = filters.indexOf(dialog.selectedNameFilter());
    return {chosen(dialog.selectedFiles().first()),
            filter < 0 ? 0 : static_cast<std::size_t>(filter)};
}

} // namespace tarlix
