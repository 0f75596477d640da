#pragma once
// The project reader's steps, one function per section of the file, in file order. Each step
// reads into the project copy and the view state; a value that is missing, malformed or out of
// its range leaves the field as it was.

#include "document/Project.h"
#include "document/ProjectInput.h"
#include "document/ViewFileState.h"

#include <cstdint>
#include <string>

namespace tarlix {

struct ReadState {
    ProjectInput& in;
    Project& p;
    ViewFileState& view;
};

void readBackground(ReadState& s);
void readUserFunctions(ReadState& s);
void readExplicitFunctions(ReadState& s);
void readRelations(ReadState& s);
void readFigures(ReadState& s);
void readSegments(ReadState& s);
void readParameters(ReadState& s);
void readSettings(ReadState& s);
void readAxes(ReadState& s);
void readViewSettings(ReadState& s);
void compileLoaded(ReadState& s);
void readValueWindows(ReadState& s);
void readValueFunctions(ReadState& s);
void readPanels(ReadState& s);
void readMemo(ReadState& s);
void readMemoBoxes(ReadState& s);

// Field reads with their ranges.
std::int32_t readInRange(ProjectInput& in, std::int32_t fallback, std::int32_t low,
                         std::int32_t high);
// The number of entries that follow, alone on its line; a negative one counts none.
int readCount(ProjectInput& in);
std::uint8_t readByte(ProjectInput& in, std::uint8_t fallback, int low = 0, int high = 255);
// A kind stored as the number of its enumerator, one of low..high.
template <typename Kind> Kind readKind(ProjectInput& in, Kind fallback, Kind low, Kind high) {
    return static_cast<Kind>(readInRange(in, static_cast<std::int32_t>(fallback),
                                         static_cast<std::int32_t>(low),
                                         static_cast<std::int32_t>(high)));
}
// A colour; files before 2.8 hold a number of the sixteen-colour pen palette instead.
std::uint32_t readColour(ProjectInput& in, std::uint32_t fallback);
// The pen palette in effect at start-up, numbers 0..15.
std::uint32_t paletteColour(int number);

// An expression text as older versions wrote it, in today's words.
std::string rewriteOldSource(std::string text, const ProjectInput& in);
bool isBlank(const std::string& text);
std::string trimmed(const std::string& text);

} // namespace tarlix

namespace tarlix {
void compileWindowExpressions(Project& p, bool thetaAxis);
}
