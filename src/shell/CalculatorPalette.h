#pragma once
// The calculator's palette: each button inserts a symbol or name at the cursor, or a function
// template whose argument places are separators with the cursor put in the first place.

#include <span>

namespace tarlix {

struct PaletteButton {
    const char* name;    // the button's object name, and the key of its hint
    const char* caption; // UTF-8
    const char* insert;  // program text: a symbol, a name, or a function's name
    int places = 0;      // > 0: a template "name(" with places - 1 separators and ")"
    bool hinted = false; // its hint is in the table of shown texts under "Calc." + name
};

std::span<const PaletteButton> paletteButtons();

} // namespace tarlix
