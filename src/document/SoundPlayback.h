#pragma once
// The document's sound operations that the script statements and the data panel call:
// playing the buffer, playing it again, stopping it, saving it as a WAV file and the sampling
// rate. Playback goes to the sound output the document was given; the first playback without
// a device says so once in the message box, and everything else goes on without sound.

#include "document/SoundSynthesis.h"

#include <cstdint>
#include <string>

namespace tarlix {

inline constexpr const char* kMsgNoSoundDevice =
    "No hay ning\xFAn dispositivo de sonido: el sonido no se puede reproducir.";

// What the save dialog proposes for a sound.
inline constexpr const char* kSoundFileName = "Sound.wav";
inline constexpr const char* kSoundFileSuffix = "wav";
inline constexpr const char* kSoundFileFilter = "Wave files(*.wav)";

// The statements of the Play family: play at once, play and let the script wait for the end,
// or only synthesise, so that the next piece follows this one.
enum class PlayKind { Play, PlayAndWait, After };

// Brings the header up to date and starts the buffer playing in the background, replacing any
// sound that plays; now is the tick count. Returns the tick at which the sound ends, which a
// waiting script waits for with the event loop alive.
std::int64_t playSound(Document& ctx, SoundState& sound, std::int64_t now);
// Starts the buffer again as it stands.
void playSoundAgain(Document& ctx, SoundState& sound);
// Stops what plays and drops the frames; a new or opened project does this.
void stopSound(SoundState& sound);
// A statement of the Play family: synthesis, then playback as the kind asks, and the append
// flag for the next piece. Returns the end tick of what was started (now when nothing was).
std::int64_t playStatement(Document& ctx, SoundState& sound, const SoundSweep& sweep, PlayKind kind,
                           std::int64_t now);
// "Play" without arguments: the buffer as it stands.
std::int64_t playBuffer(Document& ctx, SoundState& sound, std::int64_t now);
// A new script run: the first piece starts a new sound.
void startScriptSound(SoundState& sound);

// The rate rounded when it lies in 200..200000; false (nothing changed) otherwise.
bool setSamplingRate(SoundState& sound, Extended rate);

// Writes the buffer with an up-to-date header to the file, atomically; a failure shows
// "No se puede guardar el archivo" with the path and returns false.
bool saveSound(Document& ctx, SoundState& sound, const std::string& path);

} // namespace tarlix
