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
    const auto& x = s.view.XAxis;
    const auto& y = s.view.YAxis;
    std::string t;
    for (long v : {long(s.engine.AngleMode), long(s.engine.LogMode), long(s.engine.ComplexMode),
                   long(s.project.ScanWidth), long(s.project.DrawOnCalc), long(s.project.AreaFixed),
                   long(s.view.AreaRectify), long(s.view.ThetaNum), long(s.view.FontSize),
                   long(x.Number), long(y.Number), long(x.LInterval), long(x.Letter),
                   long(x.AxesVisible), long(s.objects.Graph.Color),
                   long(s.objects.Figure.PointWidth), long(s.objects.MarkerSize)})
        t += std::to_string(v) + " ";
    return t + x.Caption + "|" + y.Caption;
}
} // namespace

TEST(DefaultSettings, EmptyStoreKeepsBuiltInValuesAndWriteThenDeleteReturnsToThem) {
    MemorySettingsStore store;
    Settings built;
    const std::string builtIn = snapshot(built);

    Settings fresh;
    ReadDefaults(store, fresh.targets());
    EXPECT_EQ(snapshot(fresh), builtIn);

    Settings changed;
    changed.engine.AngleMode = 2;
    changed.project.ScanWidth = 8;
    changed.view.ThetaNum = 24;
    changed.view.XAxis.Caption = "t";
    changed.objects.Graph.Color = 0x0000FF;
    WriteDefaults(store, changed.targets());
    Settings reread;
    ReadDefaults(store, reread.targets());
    EXPECT_EQ(snapshot(reread), snapshot(changed));
    EXPECT_NE(snapshot(reread), builtIn);

    DeleteDefaults(store);
    EXPECT_FALSE(store.keyExists("SOFTWARE\\TARLIX"));
    Settings after;
    ReadDefaults(store, after.targets());
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
    s.view.XAxis.Letter = '@';
    ReadDefaults(store, s.targets());
    EXPECT_EQ(s.project.ScanWidth, 4);
    EXPECT_EQ(s.view.ThetaNum, 12);
    EXPECT_EQ(s.view.XAxis.Number, 7);
    EXPECT_EQ(s.engine.AngleMode, 1);
    EXPECT_EQ(s.view.XAxis.Letter, 'x'); // an empty letter gives the axis's own letter
}

TEST(DefaultSettings, YNumberFollowsTheDrawingHeightAndTheStoredAspect) {
    MemorySettingsStore store;
    const std::string y = "SOFTWARE\\TARLIX\\Option\\ScaleY";
    const std::string x = "SOFTWARE\\TARLIX\\Option\\ScaleX";
    store.writeInteger(y, "VHigh", 400);
    store.writeInteger(y, "Number", 10);
    Settings s;
    s.view.YAxis.PixelLength = 600;
    ReadDefaults(store, s.targets());
    EXPECT_EQ(s.view.YAxis.Number, 15);

    // No stored x axis: aspect 1. With one: (yHigh - yLow) * xVHigh / yVHigh / (xHigh - xLow).
    EXPECT_EQ(readViewDefaults(store, {}, 600).StoredAspect, 1);
    store.writeInteger(x, "VHigh", 800);
    store.writeFloat(x, "High", 10);
    store.writeFloat(x, "Low", -10);
    store.writeFloat(y, "High", 2);
    store.writeFloat(y, "Low", -2);
    const ViewDefaults d = readViewDefaults(store, {}, 600);
    EXPECT_DOUBLE_EQ(static_cast<double>(d.StoredAspect), 4.0 * 800 / 400 / 20);
    EXPECT_EQ(d.x.High, 10);
    ASSERT_TRUE(d.y.stored.has_value());
    EXPECT_EQ(d.y.stored->Number, 15);
    EXPECT_EQ(preferredDrawingWidth(store), 800);
}

TEST(DefaultSettings, StateRoundTripsAndStartsFromItsInitialValues) {
    MemorySettingsStore store;
    AppState initial;
    ReadState(store, initial);
    EXPECT_TRUE(initial.GraphIsLeft);
    EXPECT_EQ(initial.PrintSize, 75);
    AppState st;
    st.GraphIsLeft = false;
    st.PrintMode = 11;
    st.presentationMode = true;
    st.BGMode = 3;
    WriteState(store, st);
    AppState back;
    ReadState(store, back);
    EXPECT_FALSE(back.GraphIsLeft);
    EXPECT_EQ(back.PrintMode, 11);
    EXPECT_TRUE(back.presentationMode);
    EXPECT_EQ(back.BGMode, 3);
}
