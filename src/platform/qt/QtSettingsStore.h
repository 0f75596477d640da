#pragma once
// The settings store in an INI file: each registry key path becomes a QSettings group, so
// "SOFTWARE\\TARLIX\\Option\\Function" holds "AngleMode" as SOFTWARE/TARLIX/Option/Function/
// AngleMode. The file is rewritten through a temporary file that is renamed over it, so a
// failed write leaves the previous settings intact.

#include "platform/SettingsStore.h"

#include <QSettings>
#include <QString>

namespace tarlix {

class QtSettingsStore : public SettingsStore {
public:
    explicit QtSettingsStore(const QString& filePath);
    ~QtSettingsStore() override;

    // The user's settings file: "tarlix/tarlix.ini" in the user's configuration folder.
    static QString defaultFilePath();

    void flush() override;
    QString filePath() const { return settings_.fileName(); }

protected:
    bool hasKey(const std::string& path) const override;
    void makeKey(const std::string& path) override;
    void removeKey(const std::string& path) override;
    std::optional<std::string> text(const std::string& path,
                                    const std::string& name) const override;
    void setText(const std::string& path, const std::string& name,
                 const std::string& value) override;
    void removeValue(const std::string& path, const std::string& name) override;

private:
    mutable QSettings settings_;
};

} // namespace tarlix
