#pragma once
// One setting that the project file records, changed as an edit: the undo step before it and
// modified after it, and neither when the value is the one already held.

#include "document/ProjectEdit.h"

namespace tarlix {

template <class T> bool changeRecorded(Document& ctx, T& field, const T& value) {
    if (field == value) return false;
    ctx.recordUndo();
    field = value;
    ctx.project.modified = true;
    return true;
}

} // namespace tarlix
