#include "shell/DialogButtons.h"

#include <QDialog>
#include <QPushButton>

namespace tarlix {

void makeEnterMeanOk(QDialog& dialog, QPushButton& ok) {
    // A push button with the focus would otherwise stand in for the default one, so that a
    // dialog left by "Cancelar" once answered Enter with Cancel the next time it opened.
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) button->setAutoDefault(false);
    ok.setDefault(true);
}

} // namespace tarlix
