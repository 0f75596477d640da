#pragma once
// Qt's own texts (the file dialogs, the standard buttons, the edit boxes' menus) in Spanish,
// from the Qt translations of the system.

class QCoreApplication;

namespace tarlix {

// Installs Qt's Spanish translations into app; false when the system has none.
bool installQtTranslations(QCoreApplication& app);

} // namespace tarlix
