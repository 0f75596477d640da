#pragma once
// Reading a project from the lines of a project file or an undo snapshot. Every version from
// "Tarlix/win 1.6" to "Tarlix/win 2.8" is read, older content brought up to date. A read is
// all or nothing: the project and the view change only when the whole list was read.

#include "document/ProjectEdit.h"
#include "document/ProjectInput.h"
#include "document/TokenLines.h"
#include "document/ViewFileState.h"

namespace tarlix {

// Reads list into project and view, which hold the values that stay where the list has none.
// False when the list is not a project of a known version or ends before its last section.
bool readProjectInto(const TokenLines& list, ProjectNumbers numbers, Project& project,
                     ViewFileState& view);

// Replaces the project and the view of ctx by the content of list (left intact), when the
// whole of it reads; otherwise nothing changes. projectPath is the path the project will have
// (its folder is the background picture's); the current one when not given. Undo snapshots
// are read with the locale's numbers as they are; files with fileNumbers().
bool readProject(const TokenLines& list, Document& ctx);
bool readProject(const TokenLines& list, Document& ctx, ProjectNumbers numbers,
                 const std::string* projectPath = nullptr);

} // namespace tarlix
