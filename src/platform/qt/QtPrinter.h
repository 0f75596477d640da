#pragma once
// The system's printer through QPrinter, with the system's page setup dialog over the window
// that is active. Pages are painted as vector output, as printers take them.

#include "platform/Printer.h"

#include <memory>

class QPrinter;

namespace tarlix {

class QtPrinterPage;

class QtPrinter : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;

    bool available() const override;
    bool showSetup() override;
    Size pageSize() const override;
    int resolution() const override;
    bool beginDocument(const std::string& title) override;
    Canvas* newPage() override;
    bool endDocument() override;

    void printToFile(const std::string& path) override;

private:
    // Made on first use: looking for the system's printers takes a moment.
    QPrinter& printer() const;

    mutable std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QtPrinterPage> page_;
    bool firstPage_ = false;
};

} // namespace tarlix
