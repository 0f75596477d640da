#pragma once
// The pen palette picker ("Pen Color"): one small borderless window shared by every place that
// chooses a colour, width, pattern or style. It pops up under the button that shows the current
// choice with the matching panel; a click on an entry hands its value over and closes it. The
// colour swatches can also be dragged onto the rows of the data panel.

#include "document/PropertyEdits.h"

#include <QWidget>

#include <functional>
#include <vector>

class QAbstractButton;
class QMimeData;
class QToolButton;

namespace tarlix {

// The picker's panels. The marker pen and background panels choose a colour by its index (in
// the swatches and in the further colours); memo frame, font size and parameter style are
// plain values for their users.
enum class PenPanel {
    Colour,
    Width,
    Pattern,
    LineStyle,
    PointStyle,
    Border,
    FigureType,
    MarkerColour,
    BackgroundColour,
    MemoFrame,
    FontSize,
    ParameterStyle,
    Pattern2,
    Count
};

// The colour of swatch index (0..15), 0x00BBGGRR, in the normal or the monochrome colour set.
unsigned swatchColour(int index, bool monochrome);
// The further colours switched with the set (index 0..7), which the background panel offers,
// and the graph panel's colour.
unsigned furtherColour(int index, bool monochrome);
unsigned graphPanelColour(bool monochrome);

// A dragged colour swatch carries its colour under this type.
inline constexpr const char* kColourMimeType = "application/x-tarlix-colour";
// The colour a drop carries, or false when it carries none. The value is 0x00BBGGRR with the
// palette's drop mode (which of the object's colours it sets) in the top byte.
bool droppedColour(const QMimeData& data, unsigned& colour);
unsigned droppedColourValue(unsigned colour, ColourTarget target);
inline unsigned colourOfDrop(unsigned dropped) {
    return dropped & 0xFFFFFF;
}
ColourTarget targetOfDrop(unsigned dropped);

// Shows a value on the button that stands for it: a colour (or a colour index) as a filled
// swatch, the others as their number.
void showPenValue(QAbstractButton& button, PenPanel panel, unsigned value, bool monochrome = false);

class PenPaletteWindow : public QWidget {
    Q_OBJECT
public:
    explicit PenPaletteWindow(QWidget* parent = nullptr);

    // Pops the picker up under target with the panel: its left edge 16 pixels left of the
    // button (moved left to stay on screen), its top just under it. chosen gets the value of
    // the entry clicked; the target button shows it.
    // Swatches dragged from a picker popped up for a line or an inside colour set that colour
    // of the object they are dropped on (the second and third drop modes).
    void popUp(QAbstractButton* target, PenPanel panel, std::function<void(unsigned)> chosen,
               bool extraWidth = false, ColourTarget dropMode = ColourTarget::Main);
    ColourTarget dropMode() const { return dropMode_; }

    // Switches the swatches, marker pen and background colours to the monochrome set used in
    // black-and-white mode, and back.
    void setMonochrome(bool monochrome);
    bool monochrome() const { return monochrome_; }
    QToolButton* entry(PenPanel panel, int index) const;
    PenPanel shownPanel() const { return shown_; }

    // The "Color favorito" entry asks for a colour starting from current; nothing when the
    // question was cancelled. The system colour dialog unless replaced (tests do).
    std::function<bool(unsigned& colour)> chooseUserColour;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPanel(PenPanel panel);
    void choose(PenPanel panel, unsigned value);
    void chooseUser();
    void recolourSwatches();

    std::vector<std::vector<QToolButton*>> entries_;
    std::vector<QWidget*> panels_;
    PenPanel shown_ = PenPanel::Colour;
    QAbstractButton* target_ = nullptr;
    std::function<void(unsigned)> chosen_;
    bool monochrome_ = false;
    ColourTarget dropMode_ = ColourTarget::Main;
    unsigned userColour_ = 0xFFFFFF;
    QPoint pressAt_;
};

} // namespace tarlix
