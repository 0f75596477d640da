#include "document/DefaultSettings.h"
#include "platform/MemorySettingsStore.h"

#include <gtest/gtest.h>

using namespace tarlix;

namespace {
struct Settings {
    RedrawState redraw;
    View view{redraw, ViewDefaults{}};
    EngineSettings engine;
    ProjectSettings project;
    NewObjectDefaults objects;
    DefaultTargets targets() { return {engine, project, view, objects}; }
};

// The settings that defaults cover, as one comparable text.
std::string snapshot(Settings& s) {
    const auto& x = s.view.xAxis;
    const auto& y = s.view.yAxis;
    std::string t;
    for (long v :
         {long(s.engine.angleMode), long(s.engine.logMode), long(s.engine.complexMode),
          long(s.project.scanWidth), long(s.project.drawWhileComputing), long(s.project.areaFixed),
          long(s.view.areaRectify), long(s.view.thetaNum), long(s.view.fontSize), long(x.divisions),
          long(y.divisions), long(x.labelInterval), long(x.letter), long(x.axesVisible),
          long(s.objects.graph.color), long(s.objects.figure.pointWidth),
          long(s.objects.markerSize)})
        t += std::to_string(v) + " ";
    return t + x.caption + "|" + y.caption;
}
} // namespace

TEST(DefaultSettings, EmptyStoreKeepsBuiltInValuesAndWriteThenDeleteReturnsToThem) {
    MemorySettingsStore store;
    Settings built;
    const std::string builtIn = snapshot(built);

    Settings fresh;
    readDefaults(store, fresh.targets());
    EXPECT_EQ(snapshot(fresh), builtIn);

    Settings changed;
    changed.engine.angleMode = AngleMode::Degrees;
    changed.project.scanWidth = 8;
    changed.view.thetaNum = 24;
    changed.view.xAxis.caption = "t";
    changed.objects.graph.color = 0x0000FF;
    writeDefaults(store, changed.targets());
    Settings reread;
    readDefaults(store, reread.targets());
    EXPECT_EQ(snapshot(reread), snapshot(changed));
    EXPECT_NE(snapshot(reread), builtIn);

    deleteDefaults(store);
    EXPECT_FALSE(store.keyExists("SOFTWARE\\TARLIX"));
    Settings after;
    readDefaults(store, after.targets());
    EXPECT_EQ(snapshot(after), builtIn);
}

TEST(DefaultSettings, GuardedReadsKeepTheSettingOnBadValues) {
    MemorySettingsStore store;
    store.writeInteger("SOFTWARE\\TARLIX\\Option\\Graph", "ScanWidth", 3);
    store.writeInteger("SOFTWARE\\TARLIX\\Option\\Scale", "ThetaNum", 7);
    store.writeInteger("SOFTWARE\\TARLIX\\Option\\ScaleX", "Number", 41);
    store.writeString("SOFTWARE\\TARLIX\\Option\\Function", "AngleMode", "two");
    store.writeString("SOFTWARE\\TARLIX\\Option\\ScaleX", "Letter", "");
    Settings s;
    s.view.xAxis.letter = '@';
    readDefaults(store, s.targets());
    EXPECT_EQ(s.project.scanWidth, 4);
    EXPECT_EQ(s.view.thetaNum, 12);
    EXPECT_EQ(s.view.xAxis.divisions, 7);
    EXPECT_EQ(s.engine.angleMode, AngleMode::Radians);
    EXPECT_EQ(s.view.xAxis.letter, 'x'); // an empty letter gives the axis's own letter
}

TEST(DefaultSettings, YNumberFollowsTheDrawingHeightAndTheStoredAspect) {
    MemorySettingsStore store;
    const std::string y = "SOFTWARE\\TARLIX\\Option\\ScaleY";
    const std::string x = "SOFTWARE\\TARLIX\\Option\\ScaleX";
    store.writeInteger(y, "VHigh", 400);
    store.writeInteger(y, "Number", 10);
    Settings s;
    s.view.yAxis.pixelLength = 600;
    readDefaults(store, s.targets());
    EXPECT_EQ(s.view.yAxis.divisions, 15);

    // No stored x axis: aspect 1. With one: (yHigh - yLow) * xVHigh / yVHigh / (xHigh - xLow).
    EXPECT_EQ(readViewDefaults(store, {}, 600).storedAspect, 1);
    store.writeInteger(x, "VHigh", 800);
    store.writeFloat(x, "High", 10);
    store.writeFloat(x, "Low", -10);
    store.writeFloat(y, "High", 2);
    store.writeFloat(y, "Low", -2);
    const ViewDefaults d = readViewDefaults(store, {}, 600);
    EXPECT_DOUBLE_EQ(static_cast<double>(d.storedAspect), 4.0 * 800 / 400 / 20);
    EXPECT_EQ(d.x.high, 10);
    ASSERT_TRUE(d.y.stored.has_value());
    EXPECT_EQ(d.y.stored->divisions, 15);
    EXPECT_EQ(preferredDrawingWidth(store), 800);
}

TEST(DefaultSettings, StateRoundTripsAndStartsFromItsInitialValues) {
    MemorySettingsStore store;
    AppState initial;
    readAppState(store, initial);
    EXPECT_TRUE(initial.graphIsLeft);
    EXPECT_EQ(initial.printSize, 75);
    AppState st;
    st.graphIsLeft = false;
    st.printMode = 11;
    st.presentationMode = true;
    st.backgroundStretchMode = 3;
    writeAppState(store, st);
    AppState back;
    readAppState(store, back);
    EXPECT_FALSE(back.graphIsLeft);
    EXPECT_EQ(back.printMode, 11);
    EXPECT_TRUE(back.presentationMode);
    EXPECT_EQ(back.backgroundStretchMode, 3);
}
