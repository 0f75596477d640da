#pragma once
// Saving and opening project files, appending the memo of another project, and fitting the
// drawing area to the aspect a project was saved with.

#include "document/ProjectEdit.h"

#include <optional>
#include <string>

namespace tarlix {

inline constexpr const char* kMsgFileNotFound = "No se encuentra el archivo";
inline constexpr const char* kMsgInvalidVersion = "Versi\xF3n inv\xE1lida";
inline constexpr const char* kMsgOpenFailed = "Fallo al llamar archivo";
inline constexpr const char* kMsgCannotSave = "No se puede guardar el archivo";
inline constexpr const char* kMsgNoMemo = "No hay datos en memoria";
inline constexpr const char* kMsgBackgroundName =
    "El nombre de la imagen tiene caracteres que un proyecto no puede guardar: ";

// The messages above that name a file end with the path in the system's bytes, which is no
// single-byte text: the length of the program's words before it (the whole text for other
// messages), so that whoever shows the message converts each part its own way.
std::size_t fileMessageWords(const std::string& text);

// The project file a path names: a trailing ".tlx" or ".tlp" in any case is dropped and
// ".tlx" appended; the rest keeps its case.
std::string projectFileFor(const std::string& path);

// The text of a project file: the project written with "." and "," in its numbers and
// expressions, free text as it stands.
std::string projectFileText(const Project& project, const View& view);

// Writes the project file at filePath exactly (no afterimage file). False, with
// "No se puede guardar el archivo" and the path shown, when it could not be written.
bool writeProjectFile(Document& ctx, const std::string& filePath);

// Writes ProjectPath + ".tlx" and the afterimage file beside it; modified is cleared only when
// both were written.
bool saveProject(Document& ctx);

// Save as: the project lives at base (a path without extension) from now on, whatever the
// save gives; then SaveProject.
bool saveProjectUnder(Document& ctx, const std::string& base);

struct AxisLengths {
    int x = 0;
    int y = 0;
};

// The axis lengths that keep the saved aspect within the room.
AxisLengths fitSavedAspect(AxisLengths saved, DrawingRoom room);

// Opens a project file; on any failure the open project stays as it was and the program's
// message is shown. room, when given, fits the drawing area to the saved aspect.
bool openProject(Document& ctx, const std::string& path,
                 const std::optional<DrawingRoom>& room = std::nullopt);

// Appends the memo of another project file to the memo, as one undoable change.
bool appendMemoFile(Document& ctx, const std::string& path);

} // namespace tarlix
