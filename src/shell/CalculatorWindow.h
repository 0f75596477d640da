#pragma once
// The calculator window: the program's expression editor. An expression is typed with the help
// of a palette, previewed as a formula, evaluated with "=", and sent to the object it was
// opened for.

#include "document/Calculator.h"

#include <QWidget>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolButton;

namespace tarlix {

// What an editor asks the calculator for: the label of the object, the text to start from,
// the compile mode of the object and what sending does with the text that compiled.
struct CalculatorRequest {
    QString label;         // "y1=", "f(x)=" ...; empty: the expression goes nowhere
    std::string text;      // program text
    int mode = kModePlain; // the compile mode of the object
    // Stores the text in the object; false when the object refused it (the window stays open).
    // None: sending only closes the window.
    std::function<bool(const std::string& text)> send;
    // Called when the window closes or takes another request without having sent.
    std::function<void()> left;
};

class CalculatorWindow : public QWidget {
    Q_OBJECT
public:
    explicit CalculatorWindow(QWidget* parent = nullptr);

    // The project the calculator reads and the message box it shows errors in.
    std::function<Document&()> context;

    // Shows the window on an expression of an object.
    void open(const CalculatorRequest& request);

    // The controls, by the names the program's hints and tests use.
    QLineEdit* editBox() const { return edit_; }
    QPushButton* equalButton() const { return equal_; }
    QPushButton* sendButton() const { return send_; }
    QLabel* preview() const { return preview_; }
    QLabel* result() const { return result_; }
    QToolButton* paletteButton(const char* name) const;
    const Calculator& calculator() const { return calculator_; }

    // "=" and send, as the buttons do.
    void calculate();
    void sendExpression();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPalette(QWidget* holder);
    void insertText(const std::string& text, int cursorBack);
    void textEdited();
    void showPreview();
    void showLogHint();
    void leaveRequest();
    bool handleKey(int key, const QString& typed);

    Calculator calculator_;
    CalculatorRequest request_;
    QLabel* label_;
    QLineEdit* edit_;
    QScrollArea* previewPanel_;
    QLabel* preview_;
    QLabel* result_;
    QPushButton* equal_;
    QPushButton* send_;
    bool editing_ = false;
    bool sent_ = false;
};

} // namespace tarlix
