#pragma once
// The relations C1 .. C9 on the graph: each drawn into its own layer image, redrawn only when
// it changed, and all layers combined with the picture by an AND copy, so that white is
// transparent and overlapping regions darken. Vector output draws them directly instead.

#include "platform/Canvas.h"
#include "render/relation/RelationPlotter.h"
#include "render/relation/RelationTypes.h"

#include <array>
#include <memory>
#include <span>

namespace tarlix {

class View;

inline constexpr int relationCount = 9;

// What the drawing needs of one relation; entry i - 1 is relation Ci.
struct RelationEntry {
    bool hasText = false;
    RelationStyle style;
    RelationParts parts;

    bool shown() const { return hasText && style.visible && style.color != kWhite; }
};

struct RelationLayers {
    std::array<std::unique_ptr<Canvas>, relationCount> image;
    std::array<bool, relationCount> redraw{};
    std::array<bool, relationCount> current{};
    // The colour each relation left in the afterimages at the last drawing; white for none.
    std::array<Color, relationCount> afterimageColour{};

    RelationLayers() { afterimageColour.fill(kWhite); }
    // Layer images cover the pixels 0 .. length + 1 of both axes; a change of size drops them.
    void fitTo(Surfaces& surfaces, const View& view);
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_ = 0;
    int height_ = 0;
};

struct RelationImages {
    Canvas& relations;                  // the image the layers are combined onto
    Canvas* afterimageCanvas = nullptr; // where afterimage copies are drawn
    Canvas* afterimageImage = nullptr;  // where unchanged layers are merged, lightened
};

// Redraws the layers of shown relations whose redraw flag is set, merges unchanged layers with
// afterimages into the afterimage image, and combines every shown layer onto the relations
// image.
void drawRelations(RelationPlotter& plotter, View& view, Surfaces& surfaces, RelationLayers& layers,
                   const RelationImages& images, std::span<const RelationEntry> relations,
                   bool skipMain, bool forceAfterimage, RelationScanHooks& hooks);

// Draws every shown relation directly onto the canvas (and the afterimage canvas).
void drawRelationsVector(RelationPlotter& plotter, View& view, Canvas* canvas,
                         Canvas* afterimageCanvas, std::span<const RelationEntry> relations,
                         bool skipMain, bool forceAfterimage);

// The grey an unchanged layer is lightened with (OR) before it joins the afterimage image.
Color afterimageLayerGrey(int level, bool blackAndWhite);

// A layer lightened by that grey (OR) and combined with the afterimage image (AND).
void mergeLightened(Surfaces& surfaces, const Canvas& layer, const Rect& rect,
                    Canvas& afterimageImage, Color grey);

// Merges the current layer of every shown relation that leaves an afterimage (all shown ones
// when forced), lightened by that grey, into the afterimage image (AND), and records the
// colour each left in layers.afterimageColour (white for none).
void mergeRelationAfterimages(Surfaces& surfaces, RelationLayers& layers,
                              std::span<const RelationEntry> relations, Canvas& afterimageImage,
                              Color grey, bool forceAfterimage);

} // namespace tarlix
