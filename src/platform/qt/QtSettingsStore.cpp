#include "platform/qt/QtSettingsStore.h"

#include "platform/qt/QtText.h"

#include <QStandardPaths>
#include <QStringList>

namespace tarlix {

namespace {

// A key created without values is kept alive by this entry, since an INI file has no empty
// groups; no setting of the program has this name.
const QString kKeyMarker = QStringLiteral("(Key)");

QString valuePath(const std::string& path, const QString& name) {
    return path.empty() ? name : toQString(path) + '/' + name;
}

QString valuePath(const std::string& path, const std::string& name) {
    return valuePath(path, toQString(name));
}

} // namespace

QtSettingsStore::QtSettingsStore(const QString& filePath)
    : settings_(filePath, QSettings::IniFormat) {
    settings_.setAtomicSyncRequired(true);
}

QtSettingsStore::~QtSettingsStore() {
    settings_.sync();
}

QString QtSettingsStore::defaultFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/tarlix/tarlix.ini");
}

void QtSettingsStore::flush() {
    settings_.sync();
}

bool QtSettingsStore::hasKey(const std::string& path) const {
    if (path.empty()) return true;
    settings_.beginGroup(toQString(path));
    const bool exists = !settings_.childKeys().isEmpty() || !settings_.childGroups().isEmpty();
    settings_.endGroup();
    return exists;
}

void QtSettingsStore::makeKey(const std::string& path) {
    if (!hasKey(path)) settings_.setValue(valuePath(path, kKeyMarker), QString());
}

void QtSettingsStore::removeKey(const std::string& path) {
    settings_.remove(toQString(path));
}

std::optional<std::string> QtSettingsStore::text(const std::string& path,
                                                 const std::string& name) const {
    const QVariant v = settings_.value(valuePath(path, name));
    if (!v.isValid()) return std::nullopt;
    // An unquoted comma in a hand-edited file makes QSettings read a list.
    if (v.typeId() == QMetaType::QStringList) return fromQString(v.toStringList().join(", "));
    return fromQString(v.toString());
}

void QtSettingsStore::setText(const std::string& path, const std::string& name,
                              const std::string& value) {
    settings_.setValue(valuePath(path, name), toQString(value));
    settings_.remove(valuePath(path, kKeyMarker));
}

void QtSettingsStore::removeValue(const std::string& path, const std::string& name) {
    const QString key = valuePath(path, name);
    if (!settings_.contains(key)) return;
    settings_.remove(key);
    makeKey(path); // the key outlives its last value
}

} // namespace tarlix
