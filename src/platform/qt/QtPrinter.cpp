#include "platform/qt/QtPrinter.h"

#include "platform/qt/QtFileNames.h"
#include "platform/qt/QtPainterCanvas.h"
#include "platform/qt/QtText.h"

#include <QApplication>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace tarlix {

// A job's canvas: its painter is begun with the job and ended with it, since ending it sends
// the job; newPage ejects a page in between.
class QtPrinterPage : public QtPainterCanvas {
public:
    QtPrinterPage(QPrinter& printer, Size size)
        : QtPainterCanvas(false, true), printer_(printer), size_(size) {}
    ~QtPrinterPage() override { endPainting(); }
    int width() const override { return size_.width; }
    int height() const override { return size_.height; }
    bool begin() { return painter() != nullptr; }
    void end() { endPainting(); }

protected:
    QPaintDevice& device() override { return printer_; }

private:
    QPrinter& printer_;
    Size size_;
};

QtPrinter::QtPrinter() = default;

QtPrinter::~QtPrinter() = default;

QPrinter& QtPrinter::printer() const {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool QtPrinter::available() const {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool QtPrinter::showSetup() {
    if (page_ || printer().outputFormat() != QPrinter::NativeFormat) return false;
    QPageSetupDialog dialog(&printer(), QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

Size QtPrinter::pageSize() const {
    const QRectF page = printer().pageRect(QPrinter::DevicePixel);
    return {qRound(page.width()), qRound(page.height())};
}

int QtPrinter::resolution() const {
    return printer().resolution();
}

void QtPrinter::printToFile(const std::string& path) {
    printer().setOutputFileName(decodePath(path));
}

bool QtPrinter::beginDocument(const std::string& title) {
    if (page_) return false;
    printer().setDocName(toQString(title));
    page_ = std::make_unique<QtPrinterPage>(printer(), pageSize());
    if (!page_->begin()) {
        page_.reset();
        return false;
    }
    firstPage_ = true;
    return true;
}

Canvas* QtPrinter::newPage() {
    if (!page_) return nullptr;
    if (!firstPage_ && !printer().newPage()) return nullptr;
    firstPage_ = false;
    return page_.get();
}

bool QtPrinter::endDocument() {
    if (!page_) return false;
    page_->end();
    page_.reset();
    return printer().printerState() != QPrinter::Error;
}

} // namespace tarlix
