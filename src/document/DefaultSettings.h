#pragma once
// The default project settings, the new-object defaults and the window state in the per-user
// settings store, under the registry-shaped keys below "SOFTWARE\TARLIX". Every read is
// guarded: a missing value, one of another kind or one out of range leaves the setting as it
// was, so an empty store means the built-in values.

#include "document/AppState.h"
#include "document/NewObjectDefaults.h"
#include "document/ProjectSettings.h"
#include "expression/EngineSettings.h"
#include "platform/SettingsStore.h"
#include "view/View.h"
#include "view/ViewDefaults.h"

#include <optional>

namespace tarlix {

// Everything the default project settings are read into and written from.
struct DefaultTargets {
    EngineSettings& engine;
    ProjectSettings& project;
    View& view;
    NewObjectDefaults& objects;
};

// Reads every default project setting into the current settings; the axis settings go to the
// view's axes, with the y axis divisions rescaled to the current y pixel length.
void readDefaults(const SettingsStore& store, DefaultTargets targets);

// What a view reset reads: the stored ranges (5 and -5 when missing), the stored axis settings
// and the stored aspect (1 when no x axis is stored). sizes come from the graph window.
ViewDefaults readViewDefaults(const SettingsStore& store, const DrawingSizes& sizes,
                              int currentYPixelLength);

// The stored x pixel length ("VHigh" of "Option\ScaleX"): the preferred drawing width.
std::optional<int> preferredDrawingWidth(const SettingsStore& store);

// "&Elegir por Defecto": writes every default project setting from the current settings.
void writeDefaults(SettingsStore& store, const DefaultTargets& targets);

// "&Inicializar por Defecto": removes "SOFTWARE\TARLIX" with everything below it.
void deleteDefaults(SettingsStore& store);

void readAppState(const SettingsStore& store, AppState& state);
void writeAppState(SettingsStore& store, const AppState& state);

} // namespace tarlix
