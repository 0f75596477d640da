#pragma once
// The program's one modal message box: warnings, errors, information and every "usando [OK]"
// confirmation. Its position is kept for the whole run.

#include "platform/MessageBox.h"

#include <QDialog>
#include <QPoint>

class QPushButton;

namespace tarlix {

class MessageWindow : public QDialog {
    Q_OBJECT
public:
    MessageWindow(const QString& text, MessageKind kind, bool withCancel,
                  QWidget* parent = nullptr);

    static QString titleFor(MessageKind kind);

private:
    void layoutContents(const QString& text, bool withCancel);
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    MessageKind kind_;
};

// ShowMessageBox on Qt: shows a MessageWindow where the previous one was left and remembers where
// this one is left. The box belongs to the window that asked (parent when no window is active).
class QtMessageBox : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr);
    bool show(const std::string& text, MessageKind kind, bool withCancel) override;
    QPoint position() const { return position_; }

private:
    QWidget* askingWindow() const;
    QWidget* parent_;
    QPoint position_;
};

} // namespace tarlix
