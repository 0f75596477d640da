#pragma once
// The ".tlx" file association. On this platform it is a freedesktop MIME type for ".tlx" files
// and a desktop entry that opens them with the program, installed for the user, so that
// opening a project from a file manager starts the program with the file as its argument.

#include "platform/MessageBox.h"

#include <QString>

namespace tarlix {

class FileAssociation {
public:
    // The user's data folder (XDG_DATA_HOME) and configuration folder (XDG_CONFIG_HOME);
    // empty ones take the platform's standard places.
    explicit FileAssociation(QString dataHome = {}, QString configHome = {});

    // The ".tlx" part (the MIME type) and the "TARLIX Project File" part (the desktop entry).
    bool mimeTypeInstalled() const;
    bool desktopEntryInstalled() const;

    // Installs both parts and makes the program the default for the type. Failures are not
    // reported: the user may lack the rights.
    void install(const QString& programPath);
    void remove();

    QString mimeFile() const;
    QString desktopFile() const;
    QString defaultsFile() const;

private:
    void refreshDatabases() const;
    QString dataHome_;
    QString configHome_;
};

// "&Asociación de Archivos": asks, then installs the association for programPath.
void associate(MessageBox& box, FileAssociation& association, const QString& programPath);
// "&Liberar Asociación de archivo": when either part exists, asks, then removes both.
void releaseAssociation(MessageBox& box, FileAssociation& association);

} // namespace tarlix
