#pragma once
// Synthesis of a sound from an expression: the expression is sampled at the sampling rate over
// an interval of a swept variable, each value giving one stereo frame appended to the sound
// buffer. The sound lives beside the document, which evaluates and shows the messages.

#include "document/Document.h"
#include "document/SoundState.h"

#include <optional>

namespace tarlix {

class WorkBudget;

// One unit of an expression in the 16-bit range: -10..10 fits.
inline constexpr Extended kSoundScale = 3272;
// A peak above this (about ten units) is distorted by clipping, and the user is asked.
inline constexpr Extended kDistortionPeak = 32726;
// The most sample times evaluated together by the row form.
inline constexpr std::size_t kSoundBatch = 1401;

inline constexpr const char* kMsgSoundDistorted =
    "El sonido se distorsionar\xE1 si usa m\xE1s de 10 oscilaciones. Maximizar ahora:";

// The swept variable: x (the expression's own argument), y (slot 0, which also sweeps the
// argument) or a parameter 1..14.
inline constexpr int kSweepX = -1;

struct SoundSweep {
    int variable = kSweepX;
    const CompiledExpression* from = nullptr;
    const CompiledExpression* to = nullptr;
    const CompiledExpression* expr = nullptr;
};

// How the samples are evaluated.
enum class SoundPath {
    Automatic, // the row form unless the expression keeps state between evaluations
    OneByOne,  // the stack machine, one sample at a time
};

// What a synthesis did.
enum class SynthesisResult {
    NoInterval, // a limit undefined or from > to: nothing changed
    Kept,       // the frames were appended (clipped where the peak asked for it)
    Discarded,  // the user refused the distorted sound: the buffer was emptied
};

// Appends the sweep's frames to the sound's buffer, after clearing it unless the append
// flag is on, and asks about distortion. The append flag itself is left to the caller.
SynthesisResult synthesise(Document& ctx, SoundState& sound, const SoundSweep& sweep,
                           SoundPath path = SoundPath::Automatic, WorkBudget* budget = nullptr);

// True when the expression reads "path" or "Igr", which keep state from one evaluation to the
// next, so that its samples cannot be evaluated together.
bool keepsStateBetweenEvaluations(const Project& project, const CompiledExpression& expr);

} // namespace tarlix
