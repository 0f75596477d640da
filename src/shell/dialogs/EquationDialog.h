#pragma once
// The properties of one explicit function (y1..y20) or relation (C1..C9): its expression, pen,
// line style, the fast drawing of polynomials, the afterimage flag and, for relations, the
// inside pattern and border. It edits a copy and hands it back on OK.

#include "document/NewObjectDefaults.h"
#include "document/ProjectEdit.h"
#include "shell/dialogs/DialogParts.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;
class QPushButton;

namespace tarlix {

class EquationDialog : public QDialog {
    Q_OBJECT
public:
    EquationDialog(PenPaletteWindow* palette, QWidget* parent = nullptr);

    std::function<Document&()> context;
    std::function<void(const CalculatorRequest&)> openCalculator;
    PenDefaults* defaults = nullptr; // a function or relation never defined starts from these

    void openFunction(int n);
    void openRelation(int n);

    QLineEdit* expressionBox() const { return expression_; }
    QLabel* titleLabel() const { return title_; }
    QToolButton* formulaButton() const { return formula_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* deleteButton() const { return delete_; }
    QCheckBox* fastPolynomial() const { return fast_; }
    QCheckBox* afterimage() const { return afterimage_; }
    PenButton* pen(const char* name) const; // "colour", "width", "lineStyle", "pattern", "border"
    const EquationEntry& entry() const { return entry_; }

    void accept() override;

private:
    void open(bool relation, int n);
    CalculatorRequest expressionRequest();
    void startInCalculator();
    void showEntry();
    void takeFields();

    EquationEntry entry_;
    bool relation_ = false;
    int n_ = 0;
    QLabel* title_;
    QLineEdit* expression_;
    QToolButton* formula_;
    QCheckBox* fast_;
    QCheckBox* afterimage_;
    PenButton* colour_;
    PenButton* width_;
    PenButton* lineStyle_;
    PenButton* pattern_;
    PenButton* border_;
    QWidget* relationOnly_;
    QPushButton* ok_;
    QPushButton* delete_;
};

} // namespace tarlix
