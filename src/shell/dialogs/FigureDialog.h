#pragma once
// The figure properties dialog: edits a copy of one lettered figure (kind, expressions, pens,
// label, drag, afterimages and, for curves, the parameter range and increment) and hands it
// back on OK through the one store operation.

#include "document/NewObjectDefaults.h"
#include "document/ProjectEdit.h"
#include "shell/dialogs/DialogParts.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace tarlix {

// Which kinds the dialog offers: the point, circle and lines, the two curves, or all.
enum class FigureKinds { Basic, Curves, All };

class FigureDialog : public QDialog {
    Q_OBJECT
public:
    FigureDialog(PenPaletteWindow* palette, FigureDefaults& defaults, QWidget* parent = nullptr);

    std::function<Document&()> context;
    std::function<void(const CalculatorRequest&)> openCalculator;
    // A curve was stored with its parameter letter and increment.
    std::function<void(char letter, Extended increment)> curveStored;

    // Shows figure n; a figure never defined starts from the defaults for new figures.
    void open(int n, FigureKinds allowedKinds);
    void setKind(FigureKind kind);

    const FigureEntry& entry() const { return entry_; }
    QLineEdit* field(const char* name) const; // "x", "y", "r", "X", "low", "high", "letter",
                                              // "step"
    QAbstractButton* kindButton(FigureKind kind) const;
    QAbstractButton* labelButton(int position) const; // 1..9
    QComboBox* labelBox() const { return labelBox_; }
    QLabel* caption() const { return caption_; }
    QToolButton* radiusButton() const { return radiusButton_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* deleteButton() const { return delete_; }
    PenButton* pen(const char* name) const; // "pointColor", "lineColor", "fillColor", ...
    void stepIncrement(bool larger);

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void build();
    void buildPens(QWidget* holder);
    void showEntry();
    void takeFields();
    void fillLabelChoices();
    void chooseLabel(int index);
    void showNotation();

    PenPaletteWindow* palette_;
    FigureDefaults& defaults_;
    FigureEntry entry_;
    int n_ = 0;
    QButtonGroup* kinds_ = nullptr;
    QLabel* caption_ = nullptr;
    QToolButton* radiusButton_ = nullptr;
    std::array<QLineEdit*, 8> fields_{};
    std::array<QWidget*, 8> rows_{};
    QButtonGroup* positions_ = nullptr;
    QComboBox* labelBox_ = nullptr;
    QCheckBox* pointAfterimage_ = nullptr;
    QCheckBox* lineAfterimage_ = nullptr;
    QCheckBox* curveAfterimage_ = nullptr;
    QCheckBox* drag_ = nullptr;
    QCheckBox* vectors_ = nullptr;
    std::array<PenButton*, 10> pens_{};
    QPushButton* ok_ = nullptr;
    QPushButton* delete_ = nullptr;
    std::optional<QPoint> lastPosition_;
};

} // namespace tarlix
