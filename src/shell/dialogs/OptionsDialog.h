#pragma once
// The options dialog "Opciones": five pages over a copy of the settings (drawing size and
// area, axes and grid, drawing behaviour, the expression language). The pages write the copy
// as the user works; OK hands it to the document in one undo step, Cancel drops it.

#include "document/OptionsForm.h"

#include <QDialog>

#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

class QAbstractButton;
class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace tarlix {

// A group box titled with a shown text, with a fresh row (or column) layout in it.
QGroupBox* titledGroup(const char* textKey, QWidget* parent, QBoxLayout*& layout,
                       bool vertical = false);

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(NewObjectDefaults& objects, QWidget* parent = nullptr);

    std::function<Document&()> context;

    // Shows the settings as they are now, where the dialog stood when it last closed.
    void open();
    void accept() override;

    const OptionsForm& form() const { return form_; }
    QTabWidget* pages() const { return pages_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    // A control by its name: the presets "SB1" .. "SBPolor", the edits, check boxes and
    // choice buttons named as the pages name them ("Edit3", "cbComplex", "SBDeg", ...).
    template <class T> T* control(const char* name) const { return findChild<T*>(name); }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    // The controls follow the copy again after a preset, a reset or an exclusion.
    void showForm();
    QWidget* presetPage();
    QWidget* areaPage();
    QWidget* scalePage();
    QWidget* axisGroup(AxisOptions OptionsForm::*axis, bool horizontal);
    QWidget* scaleStyleGroups();
    QWidget* drawingPage();
    QWidget* drawingChoiceGroups();
    QWidget* functionPage();
    QWidget* functionChoiceGroups();

    QCheckBox* addSwitch(QBoxLayout* layout, const char* name, const char* textKey,
                         std::function<bool()> current, std::function<void(bool)> picked);
    QCheckBox* addCheck(QBoxLayout* layout, const char* name, const char* textKey,
                        std::function<bool&()> field);
    QLineEdit* addEdit(QBoxLayout* layout, const char* name, std::function<std::string&()> field);
    QComboBox* addBaseBox(QBoxLayout* layout, const char* name,
                          std::function<std::string&()> field);
    QPushButton* addResetButton(QBoxLayout* layout, const char* name,
                                std::function<void(OptionsForm&)> reset);
    // A row of exclusive buttons, one for each (name, caption key) with its value; the group's
    // ids are the items' places. picked, when given, replaces writing the value.
    QButtonGroup* addChoices(QBoxLayout* layout,
                             std::vector<std::pair<const char*, const char*>> items,
                             std::function<int()> current, std::function<void(int)> picked);
    template <class T>
    QButtonGroup* addChoices(QBoxLayout* layout,
                             std::vector<std::pair<const char*, const char*>> items,
                             std::vector<T> values, std::function<T&()> field) {
        return addChoices(
            layout, std::move(items),
            [values, field] {
                for (std::size_t i = 0; i < values.size(); ++i)
                    if (values[i] == field()) return static_cast<int>(i);
                return -1;
            },
            [values, field](int i) { field() = values[static_cast<std::size_t>(i)]; });
    }

    NewObjectDefaults& objects_;
    OptionsForm form_;
    std::vector<std::function<void()>> refreshers_;
    QTabWidget* pages_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::optional<QPoint> lastPosition_;
};

} // namespace tarlix
