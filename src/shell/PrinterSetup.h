#pragma once
// The printer the program prints on and its setup dialog ("Prop. de Impresora"); printing
// uses the same printer, so the setup holds until the program ends.

#include <QObject>

#include <memory>

class QPrinter;
class QWidget;

namespace tarlix {

class PrinterSetup : public QObject {
    Q_OBJECT
public:
    explicit PrinterSetup(QObject* parent = nullptr);
    ~PrinterSetup() override;

    // Made on first use: looking for the platform's printers takes a moment.
    QPrinter& printer();
    // Whether the platform knows a printer: without one there is nothing to set up.
    static bool available();
    // The platform's printer setup dialog; true when it was confirmed.
    bool showDialog(QWidget* parent);

private:
    std::unique_ptr<QPrinter> printer_;
};

} // namespace tarlix
