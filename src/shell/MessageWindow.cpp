#include "shell/MessageWindow.h"

#include "document/ProjectFile.h"
#include "platform/qt/QtFileNames.h"
#include "platform/qt/QtText.h"
#include "shell/DialogButtons.h"
#include "shell/ShownTexts.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace tarlix {

namespace {
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kMargin = 10;
constexpr int kPictureSize = 32;

QFont boxFont() {
    QFont f("Times New Roman");
    f.setPointSize(11);
    return f;
}
} // namespace

QString MessageWindow::titleFor(MessageKind kind) {
    switch (kind) {
    case MessageKind::Error:
        return shownText("Message.error");
    case MessageKind::Information:
        return shownText("Message.information");
    default:
        return shownText("Message.warning");
    }
}

MessageWindow::MessageWindow(const QString& text, MessageKind kind, bool withCancel,
                             QWidget* parent)
    : QDialog(parent), kind_(kind) {
    // Above every window of the program, the property dialogs that stay on top included, so
    // that it is never hidden behind the window it blocks.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowTitle(titleFor(kind));
    setModal(true);
    setFont(boxFont());
    layoutContents(text, withCancel);
}

void MessageWindow::layoutContents(const QString& text, bool withCancel) {
    auto* picture = new QLabel(this);
    const auto icon = kind_ == MessageKind::Error ? QStyle::SP_MessageBoxWarning
                                                  : QStyle::SP_MessageBoxInformation;
    picture->setPixmap(style()->standardIcon(icon).pixmap(kPictureSize, kPictureSize));
    picture->setGeometry(kMargin, kMargin, kPictureSize, kPictureSize);

    auto* label = new QLabel(text, this);
    label->setFont(boxFont());
    const QSize textSize = QFontMetrics(label->font()).size(0, text);
    const int textLeft = kMargin * 2 + kPictureSize;
    label->setGeometry(textLeft, kMargin, textSize.width() + 2,
                       std::max(textSize.height(), kPictureSize));

    // At least as wide as the text plus 20 pixels, and as the buttons with their margins.
    const int buttonsMin = withCancel ? 2 * kButtonWidth + 50 : kButtonWidth + 40;
    const int width = std::max(textLeft + textSize.width() + 20, buttonsMin);
    const int buttonTop = kMargin * 2 + std::max(textSize.height(), kPictureSize);
    const int centre = width / 2;

    okButton_ = new QPushButton(shownText("Message.ok"), this);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    if (withCancel) {
        cancelButton_ = new QPushButton(shownText("Message.cancel"), this);
        connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
        okButton_->setGeometry(centre - 8 - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight);
        cancelButton_->setGeometry(centre + 8, buttonTop, kButtonWidth, kButtonHeight);
    } else {
        okButton_->setGeometry(centre - kButtonWidth / 2, buttonTop, kButtonWidth, kButtonHeight);
    }
    setFixedSize(width, buttonTop + kButtonHeight + kMargin);
    makeEnterMeanOk(*this, *okButton_);
}

QtMessageBox::QtMessageBox(QWidget* parent) : parent_(parent) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize s = screen ? screen->size() : QSize(1024, 768);
    position_ = QPoint((s.width() - 150) / 2, (s.height() - 300) / 2);
}

// The window that asked is the one the user works in: the modal window that is open, else the
// active window; the box belongs to it, so that it stays in front of it.
QWidget* QtMessageBox::askingWindow() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return parent_;
}

bool QtMessageBox::show(const std::string& text, MessageKind kind, bool withCancel) {
    // A file named at the end of a message is the system's bytes, not single-byte text.
    const std::size_t words = fileMessageWords(text);
    MessageWindow box(toQString(text.substr(0, words)) + decodePath(text.substr(words)), kind,
                      withCancel, askingWindow());
    if (kind == MessageKind::Warning || kind == MessageKind::Error) QApplication::beep();
    box.move(position_);
    const bool ok = box.exec() == QDialog::Accepted;
    position_ = box.pos();
    return ok;
}

} // namespace tarlix
