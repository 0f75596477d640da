#include "document/SoundPlayback.h"

#include "base/AtomicFile.h"
#include "document/ProjectFile.h"
#include "platform/AudioOutput.h"

namespace tarlix {

namespace {

AudioFormat formatOf(const SoundBuffer& buffer) {
    return {buffer.samplingRate(), SoundBuffer::kChannels, SoundBuffer::kBitsPerSample};
}

// Starts the buffer on the output; a missing device is reported the first time only.
void startOutput(Document& ctx, SoundState& s) {
    AudioOutput* out = s.output;
    if (out && out->hasDevice() && out->play(s.buffer.samples(), formatOf(s.buffer))) return;
    if (s.noDeviceReported) return;
    s.noDeviceReported = true;
    ctx.messages.show(kMsgNoSoundDevice, MessageKind::Warning, false);
}

} // namespace

std::int64_t playSound(Document& ctx, SoundState& s, std::int64_t now) {
    if (s.buffer.isEmpty()) s.buffer.clear();
    s.buffer.updateHeader();
    s.endTick = now + s.buffer.durationMs();
    startOutput(ctx, s);
    return s.endTick;
}

void playSoundAgain(Document& ctx, SoundState& sound) {
    if (sound.buffer.isEmpty()) return;
    startOutput(ctx, sound);
}

void stopSound(SoundState& sound) {
    if (sound.output) sound.output->stop();
    sound.buffer.dropFrames();
}

std::int64_t playStatement(Document& ctx, SoundState& sound, const SoundSweep& sweep, PlayKind kind,
                           std::int64_t now) {
    if (synthesise(ctx, sound, sweep) == SynthesisResult::NoInterval) return now;
    sound.append = kind == PlayKind::After;
    if (kind == PlayKind::After) return now;
    return playSound(ctx, sound, now);
}

std::int64_t playBuffer(Document& ctx, SoundState& sound, std::int64_t now) {
    sound.append = false;
    return playSound(ctx, sound, now);
}

void startScriptSound(SoundState& sound) {
    sound.append = false;
}

bool setSamplingRate(SoundState& sound, Extended rate) {
    if (!(rate >= kMinSamplingRate && rate <= kMaxSamplingRate)) return false;
    sound.buffer.setSamplingRate(rate);
    return true;
}

bool saveSound(Document& ctx, SoundState& sound, const std::string& path) {
    SoundBuffer& buffer = sound.buffer;
    if (buffer.isEmpty()) buffer.clear();
    buffer.updateHeader();
    if (saveFile(path, buffer.image()).ok()) return true;
    ctx.messages.show(kMsgCannotSave + path, MessageKind::Error, false);
    return false;
}

} // namespace tarlix
