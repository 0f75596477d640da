#pragma once
// File names between Qt and the program: a path is the system's bytes (QFile::encodeName,
// UTF-8 on Linux), never the program's single-byte text, so that any name the system allows
// opens and saves.

#include <QString>

#include <filesystem>
#include <string>

namespace tarlix {

std::string encodePath(const QString& path);
QString decodePath(const std::string& path);
inline QString decodePath(const std::filesystem::path& path) {
    return decodePath(path.native());
}

} // namespace tarlix
