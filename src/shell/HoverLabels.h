#pragma once
// The two floating labels beside the pointer on the graph: the position of the object under
// it, and its equation typeset with the object's caption. Each shows while its button is down.

#include "document/ProjectEdit.h"
#include "shell/GraphMouse.h"

#include <QImage>

#include <functional>

namespace tarlix {

class GraphWindow;
class ProjectPicture;
struct HoverObject;

class HoverLabels {
public:
    HoverLabels(GraphWindow& window, std::function<Document&()> context, ProjectPicture& picture);

    // The pointer rests at (px, py) with this shape; nothing is held.
    void pointerAt(int px, int py, PointerShape shape);
    void hide();

private:
    void showPosition(const HoverObject& object, int px, int py);
    void showEquation(const HoverObject& object, int px, int py);

    GraphWindow& window_;
    std::function<Document&()> context_;
    ProjectPicture& picture_;
};

// The object's equation as the label shows it: the caption in bold, then the formula, on white.
QImage equationImage(const HoverObject& object, const EngineSettings& settings, int pointSize);

} // namespace tarlix
