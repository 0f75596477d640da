#include "platform/qt/QtFileNames.h"

#include <QFile>

namespace tarlix {

std::string encodePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString decodePath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace tarlix
