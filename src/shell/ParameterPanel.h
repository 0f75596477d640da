#pragma once
// The parameter category of the data panel: one row per parameter in use, and below the rows
// the speed bar and the afterimage controls. Typing, stepping, holding a step button, the
// keyboard in a value edit and every setting change go through here, each as one document
// operation on the project; the rows then show the model again.

#include "document/ProjectEdit.h"
#include "platform/KeyState.h"
#include "platform/qt/QtClock.h"
#include "platform/qt/QtKeyState.h"
#include "shell/CategoryPanelWidget.h"
#include "shell/ParameterAnimation.h"
#include "shell/ParameterPanelRow.h"

#include <array>
#include <functional>

class QLabel;
class QSlider;

namespace tarlix {

struct ProgramObjects;

class ParameterPanel : public CategoryPanelWidget {
    Q_OBJECT
public:
    explicit ParameterPanel(ProgramObjects& objects, QWidget* parent = nullptr);

    // Shows the rows of the parameters in use whose row is Shown (the others are hidden and
    // made unfixed), stacks them, shows the speed area below them and sizes the panel.
    void refreshParameterRows(const RowGeometry& geometry);

    // One step of parameter index and its synchronised partners (direction 1 up, else down),
    // then the redraw. True when a value changed.
    bool stepParameter(int index, int direction);
    // Sets the value and shows it; the caller redraws when it returns true.
    bool setParameter(int index, Extended value);
    void setStep(int index, Extended x);
    // Commits every typed value not yet committed, as if its field had been left.
    void commitPendingValues();

    bool animating() const { return animation_.running(); }
    ParameterAnimation& animation() { return animation_; }

    // The key state that Shift is read from (tests give a fake, and give the held buttons a
    // clock and a timer through animation()).
    void setKeyState(const KeyState* keys) { keys_ = keys ? keys : &qtKeys_; }

    // Seams to the rest of the program.
    std::function<void()> redrawRequested;              // recompute what is dirty and draw
    std::function<void(int index)> editValueRequested;  // calculator on the value
    std::function<void(int index)> editStepRequested;   // calculator with the label "Step="
    std::function<void()> makeAfterimage;               // push a snapshot of the picture now
    std::function<void()> clearAfterimages;             // empty the afterimage store
    std::function<void(bool running)> animationRunning; // memo boxes on the graph hide meanwhile
    std::function<void()> heightChanged;

    ParameterPanelRow& row(int index) { return rows_[static_cast<std::size_t>(index - 1)]; }
    QSlider* speedBar() const { return speed_; }
    QToolButton* afterimageSwitch() const { return afterimageSwitch_; }
    QToolButton* makeAfterimageButton() const { return make_; }
    QToolButton* clearAfterimageButton() const { return clear_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createSpeedArea();
    void connectRow(ParameterPanelRow& r);
    void placeSpeedArea(int top, int areaHeight);
    int speedAreaHeight() const;
    bool sizePanel(); // true when the height changed
    char decimalChar() const;

    bool numberInEdit(const QLineEdit* edit, Extended& value);
    void commitValue(int index);
    void commitStep(int index);
    void toggleFixed(int index, bool fixed);
    void toggleMode(int index);
    void changeRatio(int index, bool up);
    void pressStepButton(int index, int direction);
    bool valueEditKey(int index, const QKeyEvent& key);
    void moveFocus(int index, int delta);
    int rowOf(const QObject* widget) const;
    void requestRedraw();

    ProgramObjects& objects_;
    QtClock clock_;
    QtKeyState qtKeys_;
    const KeyState* keys_ = &qtKeys_;
    ParameterAnimation animation_;
    std::array<ParameterPanelRow, kParameterCount> rows_;
    int shownRows_ = 0;
    RowGeometry geometry_;
    QWidget* speedArea_ = nullptr;
    QLabel* slow_ = nullptr;
    QLabel* fast_ = nullptr;
    QSlider* speed_ = nullptr;
    QToolButton* afterimageSwitch_ = nullptr;
    QToolButton* make_ = nullptr;
    QToolButton* clear_ = nullptr;
};

// The edit menu's "&Inicializar parámetros": after the information sound asks "Inicializar
// todos los parámetros usando [OK]" and, on OK, resets every parameter and the speed.
void askToInitialiseParameters(Document& ctx);

} // namespace tarlix
