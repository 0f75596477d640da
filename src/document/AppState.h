#pragma once
// The window and output state kept in the settings store: read once at start-up, written
// whenever the graph window is asked to close.

namespace tarlix {

struct AppState {
    bool ControlPalette = false; // the graph window's control palette hides itself
    bool GraphIsLeft = true;     // the graph window stands left of the data panel
    int PrintSize = 75;          // printed width in percent of the page width
    int PrintMode = 10;          // 10 colour high resolution, 11 black and white, 0 graph, 3 all
    int CopyMode = 10;           // what copying puts on the clipboard, same codes
    bool presentationMode = false;
    bool VectorOn = false; // new figures use vector notation
    int BGMode = 1;        // stretch mode of the background picture
    bool FunctionArea = false;
};

} // namespace tarlix
