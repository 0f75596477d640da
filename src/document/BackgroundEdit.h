#pragma once
// The background picture as the project keeps it: its file (empty for a picture pasted from the
// clipboard, which is not saved) and its stretch mode (0 drawn at its own size, 1 to the
// plot's width, 2 to its height, 3 to the whole plot).

#include "document/ProjectEdit.h"

#include <optional>
#include <string>

namespace tarlix {

// The picture's name as the project file keeps it: single-byte text, without its folder. None
// when a character of the name has no single-byte form (or the name is not UTF-8).
std::optional<std::string> backgroundNameInFile(const std::string& file);

// The picture a project file names (single-byte text) as a path beside the project, in the
// system's bytes; empty for an empty name.
std::string backgroundFileOfName(const std::string& projectPath, const std::string& name);

// Whether a project file can keep the picture's name; if not, the reason is shown.
bool acceptsBackgroundFile(Document& ctx, const std::string& file);

// Sets the file and the stretch mode; a change sets modified and redraws. True when something
// changed. A file whose name the project file cannot keep is refused (acceptsBackgroundFile)
// and nothing changes.
bool setBackgroundPicture(Document& ctx, const std::string& file, int stretchMode);

} // namespace tarlix
