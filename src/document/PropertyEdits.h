#pragma once
// What the property dialogs' OK does with their copy of an entry: the checks that refuse it
// (with the message shown and the project as it was), then the one store operation that
// records the undo step. Each returns true when the entry was stored.

#include "document/NewObjectDefaults.h"
#include "document/ProjectEdit.h"
#include "document/SegmentStore.h"

#include <optional>
#include <string>

namespace tarlix {

inline constexpr const char* kMsgNoYInFunctions = "No se permite usar \"y\" en funciones";
inline constexpr const char* kMsgBadCurveParameter = "Par\xE1metro inv\xE1lido";
inline constexpr const char* kMsgRangeUsesParameter =
    "Si el par\xE1metro de la curva es usado en la definici\xF3n del rango,\r despu\xE9s de su "
    "gr\xE1"
    "fico no puede ser rastreado.";

// A function: an empty text deletes it; a text that does not compile, uses y or r, or refers
// back to itself is refused.
bool confirmExplicitFunction(Document& ctx, int n, EquationEntry entry);
// A relation: the same without the test for y and r.
bool confirmRelation(Document& ctx, int n, EquationEntry entry);

// Figure n of the dialog's kind (0 deletes it). An incomplete figure, a curve without range or
// numeric increment, a parametric curve that does not use its parameter letter and a circular
// definition are refused. On success the dialog's pens become the defaults for new figures.
bool confirmFigure(Document& ctx, int n, FigureEntry entry, FigureDefaults& defaults);

// Connected figure index (count + 1 adds one) of the record's kind, with its vertices read
// from the typed letters; kind 0 removes it. On success its pen becomes the default for new
// connected figures.
bool confirmSegment(Document& ctx, int index, SegmentRecord record, const std::string& letters,
                    PenDefaults& defaults);

// Which of an object's colours a colour dropped on its row sets: its main colour (the pen of
// a function, relation or connected figure, the point of a figure), its line colour (a
// figure's line; the others' lines are their pen), or its inside colour (figures and connected
// figures only).
enum class ColourTarget { Main, Line, Inside };

// A colour dropped on a data-panel row. One undo step; an empty slot, an object without that
// colour or the same colour changes nothing. True when the object changed.
bool setEntryColour(Document& ctx, CategoryPanel panel, int row, std::uint32_t colour,
                    ColourTarget target = ColourTarget::Main);

// The increment of a curve one step larger or smaller in the sequence 1000, 500, 200 ... 0.001:
// the next value beyond current; nothing at the ends.
std::optional<Extended> steppedIncrement(Extended current, bool larger);

} // namespace tarlix
