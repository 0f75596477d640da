#pragma once
// The background picture as the project keeps it: its file (empty for a picture pasted from the
// clipboard, which is not saved) and its stretch mode (0 drawn at its own size, 1 to the
// plot's width, 2 to its height, 3 to the whole plot).

#include "document/ProjectEdit.h"

#include <string>

namespace tarlix {

// Sets the file and the stretch mode; a change sets modified and redraws. True when something
// changed.
bool setBackgroundPicture(Document& ctx, const std::string& file, int stretchMode);

} // namespace tarlix
