#pragma once
// The properties of one connected figure (L1..L30): its type, vertex letters, pens, pattern,
// line style, afterimage flag and label. Modal; it edits a copy and hands it back on OK.

#include "document/NewObjectDefaults.h"
#include "document/ProjectEdit.h"
#include "shell/dialogs/DialogParts.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace tarlix {

// The label choices for the type and the vertex letters typed: length, displacement, angle.
QStringList segmentLabelChoices(SegmentKind kind, const QString& letters, char separator);

class SegmentDialog : public QDialog {
    Q_OBJECT
public:
    SegmentDialog(PenPaletteWindow* palette, PenDefaults& defaults, QWidget* parent = nullptr);

    std::function<Document&()> context;

    // Shows connected figure index; count + 1 starts a new one from the defaults.
    void open(int index);

    QAbstractButton* kindButton(SegmentKind kind) const;
    QLineEdit* vertexBox() const { return vertices_; }
    QComboBox* labelBox() const { return labelBox_; }
    QPushButton* okButton() const { return ok_; }
    PenButton* pen(const char* name) const; // "colour", "width", "fillColor", "pattern",
                                            // "lineStyle"
    void accept() override;

private:
    void fillLabelChoices();
    SegmentKind checkedKind() const;

    PenDefaults& defaults_;
    SegmentRecord record_;
    int index_ = 0;
    QButtonGroup* kinds_;
    QLineEdit* vertices_;
    QComboBox* labelBox_;
    QButtonGroup* positions_;
    QCheckBox* afterimage_;
    PenButton* colour_;
    PenButton* width_;
    PenButton* fill_;
    PenButton* pattern_;
    PenButton* lineStyle_;
    QPushButton* ok_;
};

} // namespace tarlix
