#pragma once
// The definite-integral window: the integral (or area) of every explicit function between two
// limits, less a second function when one is chosen, and which function's region the graph
// shades. Its settings belong to the project; the window shows and changes them through the
// document's operations, and works its rows out whenever the graph is drawn again.

#include "document/MarkerEdit.h"

#include <QWidget>

#include <array>
#include <functional>
#include <string>

class QButtonGroup;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace tarlix {

class IntegralWindow : public QWidget {
    Q_OBJECT
public:
    explicit IntegralWindow(std::function<Document&()> context, QWidget* parent = nullptr);

    // A limit's picture was clicked: the program opens the formula editor on it with the title.
    std::function<void(Marker limit, const QString& title)> editLimit;
    // The window was closed by the user; it is destroyed after this.
    std::function<void()> closed;

    // The limits typeset and their hints, the settings shown, and every row worked out afresh
    // (unless a choice of the shaded function asked for the drawing alone).
    void refresh();

    // The controls, for the program's tests.
    QLineEdit* valueEdit(int k) const { return rows_[static_cast<std::size_t>(k)].value; }
    QLabel* rowLabel(int k) const { return rows_[static_cast<std::size_t>(k)].label; }
    QRadioButton* showButton(int k) const { return rows_[static_cast<std::size_t>(k)].show; }
    QRadioButton* differenceButton(int k) const {
        return rows_[static_cast<std::size_t>(k)].difference;
    }
    QLineEdit* partitionsEdit() const { return partitions_; }
    QToolButton* limitImage(Marker limit) const;
    QToolButton* limitMarkerButton(Marker limit) const;
    QToolButton* integralModeButton() const { return integralMode_; }
    QToolButton* areaModeButton() const { return areaMode_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Row {
        QRadioButton* show = nullptr;
        QRadioButton* difference = nullptr;
        QLabel* label = nullptr;
        QLineEdit* value = nullptr;
    };
    QWidget* buildLimits();
    QWidget* buildRows();
    void showLimit(Marker limit, std::optional<Extended> value);
    void showSettings();
    void showRows();
    void partitionsEntered();

    std::function<Document&()> context_;
    std::array<Row, kExplicitFunctions + 1> rows_{};
    QGridLayout* rowGrid_ = nullptr;
    QButtonGroup* shown_ = nullptr;
    QButtonGroup* subtracted_ = nullptr;
    QToolButton* lowerImage_ = nullptr;
    QToolButton* upperImage_ = nullptr;
    QToolButton* lowerMarker_ = nullptr;
    QToolButton* upperMarker_ = nullptr;
    QToolButton* integralMode_ = nullptr;
    QToolButton* areaMode_ = nullptr;
    QLineEdit* partitions_ = nullptr;
    std::string lowerShown_; // the texts the limit pictures show
    std::string upperShown_;
    bool drawingOnly_ = false; // the next refresh leaves the rows as they are
    bool checkingPartitions_ = false;
};

} // namespace tarlix
