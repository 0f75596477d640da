#pragma once
// The window and output state kept in the settings store: read once at start-up, written
// whenever the graph window is asked to close.

namespace tarlix {

struct AppState {
    bool controlPalette = false; // the graph window's control palette hides itself
    bool graphIsLeft = true;     // the graph window stands left of the data panel
    int printSize = 75;          // printed width in percent of the page width
    int printMode = 10;          // 10 colour high resolution, 11 black and white, 0 graph, 3 all
    int copyMode = 10;           // what copying puts on the clipboard, same codes
    bool presentationMode = false;
    bool vectorNotation = false;   // new figures use vector notation
    int backgroundStretchMode = 1; // stretch mode of the background picture
    bool functionArea = false;
};

} // namespace tarlix
