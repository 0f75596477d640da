#include "shell/PrinterSetup.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace tarlix {

PrinterSetup::PrinterSetup(QObject* parent) : QObject(parent) {}

PrinterSetup::~PrinterSetup() = default;

QPrinter& PrinterSetup::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool PrinterSetup::available() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool PrinterSetup::showDialog(QWidget* parent) {
    if (printer().outputFormat() != QPrinter::NativeFormat) return false;
    QPageSetupDialog dialog(&printer(), parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace tarlix
