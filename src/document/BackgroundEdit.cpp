#include "document/BackgroundEdit.h"

namespace tarlix {

bool setBackgroundPicture(Document& ctx, const std::string& file, int stretchMode) {
    ProjectSettings& s = ctx.project.settings;
    if (s.backgroundFile == file && s.backgroundStretch == stretchMode) return false;
    s.backgroundFile = file;
    s.backgroundStretch = stretchMode;
    ctx.project.modified = true;
    ctx.hooks().redraw();
    return true;
}

} // namespace tarlix
