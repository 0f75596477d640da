#pragma once
// One category panel of the data panel: a title, one row per object of its store and, for
// some categories, a create button. Rows are placed by their Position, skipping hidden rows.

#include "document/PanelRows.h"

#include <QFrame>
#include <QImage>
#include <QString>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QToolButton;

namespace tarlix {

class LetterStrip;

// Row geometry from the screen's pixels per inch and presentation mode.
struct RowGeometry {
    int fontSize = 12; // points
    int rowHeight = 38;
    bool presentation = false; // wider row buttons and user-function labels
    static RowGeometry forScreen(int pixelsPerInch, bool presentationMode);
};

struct PanelRowContent {
    bool used = false;   // the slot holds an object
    bool shown = true;   // RowState::Shown
    int position = 0;    // RowState::Position
    bool visible = true; // the object is drawn (the show/hide button is up)
    QString caption;     // the show/hide button's caption, or the user function's label
    QString text;        // the object's expression
    unsigned color = 0;  // 0x00BBGGRR, for the caption
    bool bold = false;   // pen wider than 1
    int labelWidth = 0;  // a user function's label in place of the show/hide button; else 0
    QImage formula;      // the expression typeset; none shows the text
};

// The width of a user function's label for its argument count (1..4).
int userFunctionLabelWidth(int arguments, bool presentation);

// The place (1 = top) of row i among the listed rows: its position less the hidden rows placed
// before it. The figure categories share their positions, so the other category's figures do
// not count either.
int rowSlot(const std::vector<PanelRowContent>& rows, std::size_t i);

class CategoryPanelWidget : public QFrame {
    Q_OBJECT
public:
    CategoryPanelWidget(const QString& title, int rowCount, const QString& createCaption,
                        QWidget* parent = nullptr);

    // The figure categories' "Dibujar" strip: one letter button for every free figure slot.
    void setLetterStrip(const std::vector<int>& freeFigures);
    std::function<void(int figure)> letterChosen;
    QToolButton* letterButton(int figure) const;
    LetterStrip* letterStrip() const { return strip_; }

    // The row whose button or text is at the point (panel coordinates), or 0.
    int rowAt(const QPoint& at) const;
    // A colour from the pen palette dropped on a row.
    std::function<void(int row, unsigned colour)> colourDropped;

    // Connected figures stand in narrower rows of a fixed height.
    void useNarrowRows() { narrowRows_ = true; }

    // Lays the rows out from their contents; returns the panel's new height.
    int setRows(const std::vector<PanelRowContent>& rows, const RowGeometry& geometry,
                bool showCreateButton);

    std::function<void(int row)> toggled;  // the show/hide button of row (1-based)
    std::function<void()> createRequested; // the create button
    std::function<void(int row)> edited;   // a double click on the row's expression
    QToolButton* rowButton(int row) const { return buttons_[static_cast<std::size_t>(row - 1)]; }
    QLabel* rowText(int row) const { return texts_[static_cast<std::size_t>(row - 1)]; }
    QPushButton* createButton() const { return create_; }
    QLabel* titleLabel() const { return title_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QLabel* title_;
    QPushButton* create_ = nullptr;
    std::vector<QToolButton*> buttons_;
    std::vector<QLabel*> texts_;
    LetterStrip* strip_ = nullptr;
    QPoint pressAt_;
    bool narrowRows_ = false;
};

} // namespace tarlix
