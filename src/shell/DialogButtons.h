#pragma once
// Enter confirms every dialog of the program, whatever has the focus and whatever happened in
// the dialog before.

class QDialog;
class QPushButton;

namespace tarlix {

// ok becomes the dialog's default button, and no other push button of the dialog takes Enter
// for itself while it has the focus; Space still presses the button with the focus.
void makeEnterMeanOk(QDialog& dialog, QPushButton& ok);

} // namespace tarlix
