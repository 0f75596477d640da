#pragma once
// Writes the whole project as the lines of a project file, without the decimal-comma
// conversion: saving converts the list afterwards; undo snapshots keep it as it is.

#include "document/Project.h"
#include "document/TokenLines.h"
#include "view/View.h"

#include <vector>

namespace tarlix {

inline constexpr const char* kProjectHeader = "Tarlix/win 2.8";
inline constexpr const char* kSectionSeparator = "----------";

// Clears list and fills it with the project and the view, numbers in the project's decimal
// character. freeTextLines, when given, receives the indices of the lines whose text after
// their numbers is free text (names, labels, captions, memo text that is not a script): the
// saver leaves those out of the decimal-comma conversion.
void writeProject(const Project& project, const View& view, TokenLines& list,
                  std::vector<int>* freeTextLines = nullptr);

} // namespace tarlix
