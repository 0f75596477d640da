#pragma once
// The afterimage file beside the project file: a binary, little-endian copy of the afterimage
// store, oldest snapshot first, so that reopening a project shows its afterimages again.

#include "document/AfterimageStore.h"
#include "platform/MessageBox.h"

#include <string>

namespace tarlix {

class Project;

inline constexpr const char* kMsgAfterimageFileDamaged =
    "Despu\xE9s de la imagen archivo se da\xF1\xF3";

// Writes the store into path, or removes path when the store is empty. Only the parameters
// that objects leaving afterimages use are written, and only where their value differs from
// the current one. False when the file could not be written or removed.
bool saveAfterimages(const AfterimageStore& store, const Project& project, const std::string& path);

// The bytes of the afterimage file of the store.
std::string afterimageFileBytes(const AfterimageStore& store, const Project& project);

// Empties the store and reads the bytes of an afterimage file into it, as loading does.
void readAfterimages(AfterimageStore& store, const Project& project, const std::string& bytes,
                     MessageBox& messages);

// Empties the store and reads path into it. A missing or empty file, or one of another version,
// leaves the store empty without a message; a damaged file shows the message and keeps the
// snapshots read before the damage. A file longer than the store's capacity of the largest
// snapshots is not read: damaged when its header is ours.
void loadAfterimages(AfterimageStore& store, const Project& project, const std::string& path,
                     MessageBox& messages);

} // namespace tarlix
