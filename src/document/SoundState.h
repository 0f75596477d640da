#pragma once
// The program's sound, kept beside the document: the buffer, whether the next piece is
// appended to it, when the last playback ends, and the system's sound output it plays on.

#include "document/SoundBuffer.h"

#include <cstdint>

namespace tarlix {

class AudioOutput;

struct SoundState {
    SoundBuffer buffer;
    // Set by a piece synthesised without playing it, so that the next one follows it; every
    // script run starts with it off.
    bool append = false;
    std::int64_t endTick = 0; // tick count at which the last playback started ends
    AudioOutput* output = nullptr;
    bool noDeviceReported = false; // the missing device is reported once
};

} // namespace tarlix
