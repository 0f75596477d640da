#include "render/relation/RelationLayers.h"

#include "RelationTestSupport.h"

#include <gtest/gtest.h>

using namespace tarlix;
using namespace tarlix::relationtest;

namespace {

struct LayerScene {
    TestView tv;
    ScriptedHooks hooks;
    PixelSurfaces surfaces;
    PixelCanvas relationsImage, afterimageCanvas, afterimageImage;
    RelationLayers layers;
    RelationSettings settings;
    CountingSampler circle{[](Extended x, Extended y) { return x * x + y * y - 4; }};
    CountingSampler line{[](Extended x, Extended y) { return y - x; }};
    std::vector<RelationEntry> entries = std::vector<RelationEntry>(relationCount);

    LayerScene() {
        entries[0].hasText = true;
        entries[0].parts.parts.push_back({&circle, RelationOp::Equal, false});
        entries[2].hasText = true;
        entries[2].style.afterimage = true;
        entries[2].parts.parts.push_back({&line, RelationOp::Equal, false});
    }
    void draw() {
        RelationPlotter plotter(settings, hooks);
        RelationImages images{relationsImage, &afterimageCanvas, &afterimageImage};
        drawRelations(plotter, tv.view, surfaces, layers, images, entries, false, false, hooks);
    }
    // How often a layer was combined into the relations image: the first shown layer is
    // copied, the others ANDed with it.
    int combinedFrom(const Canvas* layer) const {
        int n = 0;
        for (const CopyCall& c : relationsImage.copies)
            n += c.source == layer && (c.op == RasterOp::And || c.op == RasterOp::Copy);
        return n;
    }
};

} // namespace

TEST(RelationLayers, EachRelationHasItsLayerCombinedByAndAndReusedUntilItChanges) {
    LayerScene s;
    s.draw();
    ASSERT_EQ(s.surfaces.made.size(), 9u);
    EXPECT_GT(s.circle.rowCalls, 0);
    EXPECT_FALSE(s.surfaces.made[0]->calls.empty());
    EXPECT_FALSE(s.surfaces.made[2]->calls.empty());
    EXPECT_FALSE(s.afterimageCanvas.calls.empty()); // C3 leaves an afterimage
    EXPECT_TRUE(s.surfaces.made[1]->calls.empty());
    EXPECT_GE(s.combinedFrom(s.surfaces.made[0]), 1);
    EXPECT_EQ(s.combinedFrom(s.surfaces.made[1]), 0);
    EXPECT_EQ(s.layers.afterimageColour[2], kBlack);
    EXPECT_EQ(s.layers.afterimageColour[0], kWhite);

    // Nothing changed: no evaluation, the cached layers are combined again and the layer with
    // an afterimage joins the afterimage image lightened by the grey of the level.
    const int rows = s.circle.rowCalls;
    s.relationsImage.copies.clear();
    s.draw();
    EXPECT_EQ(s.circle.rowCalls, rows);
    EXPECT_EQ(s.combinedFrom(s.surfaces.made[0]), 1);
    EXPECT_EQ(s.combinedFrom(s.surfaces.made[2]), 1);
    ASSERT_EQ(s.surfaces.made.size(), 10u); // the lightened copy of C3's layer
    ASSERT_EQ(s.surfaces.imageLog.size(), 1u);
    EXPECT_EQ(s.surfaces.imageLog[0],
              (std::pair<RasterOp, Color>{RasterOp::Or, rgbColor(128, 128, 128)}));
    ASSERT_EQ(s.afterimageImage.copies.size(), 1u);
    EXPECT_EQ(s.afterimageImage.copies[0].op, RasterOp::And);

    // A redraw flag recomputes that relation only.
    s.layers.redraw[0] = true;
    s.draw();
    EXPECT_GT(s.circle.rowCalls, rows);
}

TEST(RelationLayers, NothingIsDoneWithoutAShownRelation) {
    LayerScene s;
    s.entries[0].style.visible = false;
    s.entries[2].style.color = kWhite;
    s.draw();
    EXPECT_TRUE(s.surfaces.made.empty());
    EXPECT_EQ(s.circle.rowCalls + s.line.rowCalls, 0);
    EXPECT_TRUE(s.relationsImage.copies.empty());
}
