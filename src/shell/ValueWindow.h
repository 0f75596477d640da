#pragma once
// The function-value window: at one x, the values of nine expressions of x (the functions
// y1..y9 in a new project), and that x marked on the graph by a line the mouse drags. Its
// settings belong to the project; the window shows and changes them through the document's
// operations, and works its rows out whenever the graph is drawn again.

#include "document/MarkerEdit.h"

#include <QWidget>

#include <array>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QToolButton;

namespace tarlix {

class ValueWindow : public QWidget {
    Q_OBJECT
public:
    explicit ValueWindow(std::function<Document&()> context, QWidget* parent = nullptr);

    // The program opens the formula editor on row 1..9 (0: on x) with the title.
    std::function<void(int row, const QString& title)> editExpression;
    // The window became the active one: the data panel is brought up to date.
    std::function<void()> activated;
    // The window was closed by the user; it is destroyed after this.
    std::function<void()> closed;

    // x and the rows typeset (again where their text changed), x's hint and every row's value.
    void refresh();

    // The controls, for the program's tests.
    QToolButton* xImage() const { return xImage_; }
    QToolButton* markerButton() const { return marker_; }
    QToolButton* rowImage(int row) const { return rows_[static_cast<std::size_t>(row)].image; }
    QLineEdit* valueEdit(int row) const { return rows_[static_cast<std::size_t>(row)].value; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Row {
        QToolButton* image = nullptr;
        QLineEdit* value = nullptr;
        std::string shown; // the text its picture shows
    };
    QWidget* buildRows();

    std::function<Document&()> context_;
    QToolButton* xImage_ = nullptr;
    QToolButton* marker_ = nullptr;
    std::array<Row, kValueFunctions + 1> rows_{};
    std::string xShown_;
};

} // namespace tarlix
