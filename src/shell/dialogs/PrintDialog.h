#pragma once
// The print dialog: what is printed (the graph at high resolution in colour or in black and
// white, the graph as a picture, or the whole program), how wide on the page, whether the
// picture is scaled by a whole number, the printer's page and the printed size in printer
// pixels. OK prints through the program's print command.

#include "document/PrintLayout.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QRadioButton;
class QSlider;

namespace tarlix {

class Printer;

class PrintDialog : public QDialog {
    Q_OBJECT
public:
    // printSize and printMode are the program's settings, changed as the dialog changes them.
    PrintDialog(Printer& printer, int& printSize, int& printMode, QWidget* parent = nullptr);

    // The size of what a mode prints, in pixels.
    std::function<Size(CaptureMode mode)> pictureSize;
    // Prints what the dialog chose.
    std::function<void(CaptureMode mode, int percent, bool wholeMultiple)> print;

    // Shows the dialog with the settings, then prints on OK.
    int exec() override;

    QRadioButton* modeButton(CaptureMode mode) const;
    QSlider* sizeBar() const { return size_; }
    QCheckBox* wholeMultipleBox() const { return whole_; }
    QLabel* pageLabel() const { return page_; }
    QLabel* printLabel() const { return printed_; }

private:
    void chooseMode(CaptureMode mode);
    void refresh();
    CaptureMode mode() const;

    Printer& printer_;
    int& printSize_;
    int& printMode_;
    QRadioButton* modes_[4] = {};
    QSlider* size_ = nullptr;
    QCheckBox* whole_ = nullptr;
    QLabel* page_ = nullptr;
    QLabel* printed_ = nullptr;
};

} // namespace tarlix
