#include "render/relation/RelationLayers.h"

#include "view/View.h"

#include <algorithm>

namespace tarlix {

namespace {

Rect fullRect(const RelationLayers& layers) {
    return Rect{0, 0, layers.width(), layers.height()};
}

void clearToWhite(Canvas& canvas, const Rect& rect) {
    Brush white;
    white.color = kWhite;
    canvas.setBrush(white);
    canvas.fillRect(rect);
}

bool anyShown(std::span<const RelationEntry> relations) {
    return std::any_of(relations.begin(), relations.end(),
                       [](const RelationEntry& e) { return e.shown(); });
}

} // namespace

void mergeLightened(Surfaces& surfaces, const Canvas& layer, const Rect& rect,
                    Canvas& afterimageImage, Color grey) {
    std::unique_ptr<Canvas> lightened = surfaces.createImage(rect.right, rect.bottom);
    lightened->copyFrom(layer, rect, rect, RasterOp::Copy);
    RasterImage wash;
    wash.width = rect.right;
    wash.height = rect.bottom;
    wash.pixels.assign(static_cast<std::size_t>(rect.right) * rect.bottom, grey);
    lightened->drawImage(0, 0, wash, RasterOp::Or);
    afterimageImage.copyFrom(*lightened, rect, rect, RasterOp::And);
}

namespace {

void mergeIntoAfterimage(Surfaces& surfaces, const RelationLayers& layers, const Canvas& layer,
                         Canvas& afterimageImage, Color grey) {
    mergeLightened(surfaces, layer, fullRect(layers), afterimageImage, grey);
}

} // namespace

void RelationLayers::fitTo(Surfaces& surfaces, const View& view) {
    const int w = view.xAxis.pixelLength + 2, h = view.yAxis.pixelLength + 2;
    if (w == width_ && h == height_ && image[0]) return;
    width_ = w;
    height_ = h;
    for (int i = 0; i < relationCount; ++i) {
        image[static_cast<std::size_t>(i)] = surfaces.createImage(w, h, kWhite);
        current[static_cast<std::size_t>(i)] = false;
    }
}

Color afterimageLayerGrey(int level, bool blackAndWhite) {
    if (blackAndWhite) return level >= 3 ? kWhite : kBlack;
    static constexpr int greys[5] = {0, 64, 128, 192, 255};
    const int g = greys[std::clamp(level, 0, 4)];
    return rgbColor(g, g, g);
}

void drawRelations(RelationPlotter& plotter, View& view, Surfaces& surfaces, RelationLayers& layers,
                   const RelationImages& images, std::span<const RelationEntry> relations,
                   bool skipMain, bool forceAfterimage, RelationScanHooks& hooks) {
    if (!anyShown(relations)) return;
    layers.fitTo(surfaces, view);
    const Rect rect = fullRect(layers);
    const RelationSettings& settings = plotter.settings();
    const int count = std::min<int>(static_cast<int>(relations.size()), relationCount);
    for (int i = 0; i < count; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        const RelationEntry& entry = relations[at];
        const bool toAfterimage = forceAfterimage || entry.style.afterimage;
        layers.afterimageColour[at] = toAfterimage ? entry.style.color : kWhite;
        if (!entry.shown()) continue;
        Canvas& layer = *layers.image[at];
        if (layers.redraw[at] || !layers.current[at]) {
            clearToWhite(layer, rect);
            RelationCanvases canvases{&layer, images.afterimageCanvas, skipMain, forceAfterimage,
                                      false};
            const ScanOutcome outcome =
                plotter.drawRelation(view, canvases, entry.style, entry.parts);
            layers.current[at] = outcome != ScanOutcome::Abandoned;
            layers.redraw[at] = false;
            // The finished layer shows at once only where the drawing is watched as it grows;
            // otherwise the image is composed below.
            if (settings.drawWhileComputing || settings.fullRefresh) {
                images.relations.copyFrom(layer, rect, rect, RasterOp::And);
                hooks.repaint();
            }
        } else if (toAfterimage && images.afterimageImage) {
            mergeIntoAfterimage(
                surfaces, layers, layer, *images.afterimageImage,
                afterimageLayerGrey(settings.afterimageColorIndex, settings.blackAndWhite));
        }
    }
    // The first layer is copied in, the others combined with it: the same as ANDing all of
    // them onto white, with one pass over the image fewer.
    bool first = true;
    for (int i = 0; i < count; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        if (!relations[at].shown() || !layers.current[at]) continue;
        images.relations.copyFrom(*layers.image[at], rect, rect,
                                  first ? RasterOp::Copy : RasterOp::And);
        first = false;
    }
    if (first) clearToWhite(images.relations, rect);
}

void mergeRelationAfterimages(Surfaces& surfaces, RelationLayers& layers,
                              std::span<const RelationEntry> relations, Canvas& afterimageImage,
                              Color grey, bool forceAfterimage) {
    const int count = std::min<int>(static_cast<int>(relations.size()), relationCount);
    for (int i = 0; i < count; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        const RelationEntry& entry = relations[at];
        const bool leaves = entry.shown() && (forceAfterimage || entry.style.afterimage) &&
                            layers.image[at] && layers.current[at];
        layers.afterimageColour[at] = leaves ? entry.style.color : kWhite;
        if (leaves) mergeIntoAfterimage(surfaces, layers, *layers.image[at], afterimageImage, grey);
    }
}

void drawRelationsVector(RelationPlotter& plotter, View& view, Canvas* canvas,
                         Canvas* afterimageCanvas, std::span<const RelationEntry> relations,
                         bool skipMain, bool forceAfterimage) {
    const int count = std::min<int>(static_cast<int>(relations.size()), relationCount);
    for (int i = 0; i < count; ++i) {
        const RelationEntry& entry = relations[static_cast<std::size_t>(i)];
        if (!entry.shown()) continue;
        RelationCanvases canvases{canvas, afterimageCanvas, skipMain, forceAfterimage, true};
        if (plotter.drawRelation(view, canvases, entry.style, entry.parts) ==
            ScanOutcome::Abandoned)
            return;
    }
}

} // namespace tarlix
