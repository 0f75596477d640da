#pragma once
// The texts the desktop program shows, in one table: captions, menu items, hints, window
// titles and the questions the program itself asks. They are UTF-8 here; the program's own
// single-byte text starts at the message box.

#include <QString>

#include <span>
#include <string>
#include <string_view>

namespace tarlix {

struct ShownText {
    const char* key;  // a menu item's action name, or "Window.part" for the other texts
    const char* text; // UTF-8, with "&" marking the accelerator where the widget takes one
};

std::span<const ShownText> shownTexts();

// The text under key, for a widget.
QString shownText(std::string_view key);
// The text under key in the program's single-byte text, for the message box.
std::string shownMessage(std::string_view key);

} // namespace tarlix
