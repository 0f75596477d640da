#pragma once
// The operations on the connected figures: adding a segment between two figures drawn with the
// mouse, deleting one, replacing one from its properties, and reading the vertex letters typed
// for one. Each records undo before it changes anything, sets modified and redraws.

#include "document/NewObjectDefaults.h"
#include "document/ProjectEdit.h"

#include <optional>
#include <string>

namespace tarlix {

inline constexpr const char* kMsgSegmentsFull = "No pueden ser adicionados mas segmentos";
inline constexpr const char* kMsgTooFewVertices = "Faltan v\xE9rtices";
inline constexpr const char* kMsgTooManyVertices = "Muchos v\xE9rtices";
inline constexpr const char* kMsgInvalidVertex = "V\xE9rtice inv\xE1lido";
inline constexpr const char* kMsgAxisAsPolygonVertex =
    "Eje o l\xEDnea no puede ser usado con v\xE9rtice de un pol\xEDgono";

// The kind of connected figure numbered so (1..3, 5..12, as files number them), or none.
std::optional<SegmentKind> segmentKindOfNumber(int number);

// Fills the vertices of record (of its kind) from the typed letters: figure letters of figures
// that exist, X and Y for the axes, in any case, blanks ignored. Returns the message that
// refuses them, or an empty text when they were taken.
std::string readSegmentVertices(const Project& project, const std::string& letters,
                                SegmentRecord& record);

// Appends a segment from first to second in the defaults of new connected figures; when all
// are in use the message is shown and nothing changes. Returns the new index, or 0.
int addSegment(Document& ctx, const PenDefaults& defaults, int first, int second);

// Removes connected figure index; the later ones move down (the afterimage store follows
// through the hooks).
void deleteSegment(Document& ctx, int index, bool withUndo = true);

// Replaces connected figure index with record; the view is drawn afresh. It records no undo
// step: the edits that call it record theirs before they change anything.
void setSegment(Document& ctx, int index, const SegmentRecord& record);

} // namespace tarlix
