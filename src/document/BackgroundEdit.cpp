#include "document/BackgroundEdit.h"

#include "base/Text1252.h"
#include "document/ProjectFile.h"

namespace tarlix {

namespace {

// Project files written on other systems may name the picture with a backslash before it.
std::size_t afterFolder(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? 0 : slash + 1;
}

} // namespace

std::optional<std::string> backgroundNameInFile(const std::string& file) {
    return utf8ToTextExactly(std::string_view(file).substr(afterFolder(file)));
}

std::string backgroundFileOfName(const std::string& projectPath, const std::string& name) {
    if (name.empty()) return name;
    return projectPath.substr(0, afterFolder(projectPath)) + textToUtf8(name);
}

bool acceptsBackgroundFile(Document& ctx, const std::string& file) {
    if (backgroundNameInFile(file)) return true;
    ctx.messages.show(kMsgBackgroundName + file.substr(afterFolder(file)), MessageKind::Error,
                      false);
    return false;
}

bool setBackgroundPicture(Document& ctx, const std::string& file, int stretchMode) {
    ProjectSettings& s = ctx.project.settings;
    if (s.backgroundFile == file && s.backgroundStretch == stretchMode) return false;
    if (!acceptsBackgroundFile(ctx, file)) return false;
    s.backgroundFile = file;
    s.backgroundStretch = stretchMode;
    ctx.project.modified = true;
    ctx.hooks().redraw();
    return true;
}

} // namespace tarlix
