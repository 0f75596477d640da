#include "document/SoundSynthesis.h"

#include "document/DocumentEvaluator.h"
#include "document/SoundPlayback.h"
#include "expression/References.h"
#include "expression/Vocabulary.h"
#include "expression/eval/NumberText.h"
#include "expression/eval/RowEvaluator.h"

#include <algorithm>
#include <vector>

namespace tarlix {

namespace {

struct Frame {
    Extended left = 0;
    Extended right = 0;
};

// Undefined is silence; a real plays on both sides; a vector or complex number is left, right.
Frame frameOf(const Value& v) {
    if (!v.isValid()) return {};
    switch (v.kind) {
    case ValueKind::Real:
        return {v.x * kSoundScale, v.x * kSoundScale};
    case ValueKind::Pair:
        return {v.x * kSoundScale, v.y * kSoundScale};
    default:
        return {};
    }
}

// The sweep of one synthesis: the sample times and where they go.
class Sampler {
public:
    Sampler(const Document& ctx, SoundBuffer& buffer, const SoundSweep& sweep, WorkBudget* budget)
        : eval_(ctx, budget), rows_(eval_.evaluator()), buffer_(buffer), expr_(*sweep.expr),
          parameter_(sweep.variable >= 1 && sweep.variable <= kParameterCount ? sweep.variable
                                                                              : 0) {}

    std::optional<Extended> limit(const CompiledExpression& e) { return eval_.realValue(e, 0); }

    // Each sample time from from while below to, one at a time.
    void oneByOne(Extended from, Extended to, Extended step) {
        ParameterValues& p = eval_.evaluator().env().parameters;
        for (Extended t = from; t < to; t += step) {
            if (parameter_ != 0) p.value(parameter_) = t;
            const Value x = makeReal(parameter_ != 0 ? 0 : t);
            if (!add(frameOf(eval_.evaluator().evaluate(expr_, x)))) return;
        }
    }

    // The same times, evaluated in rows, each row no longer than the buffer has room for.
    void inRows(Extended from, Extended to, Extended step) {
        std::vector<Value> times, zeros, out;
        Extended t = from;
        while (t < to) {
            times.clear();
            const std::size_t room = kMaxSoundFrames - buffer_.frames();
            const std::size_t batch = std::min(kSoundBatch, std::max<std::size_t>(room, 1));
            for (; t < to && times.size() < batch; t += step) times.push_back(makeReal(t));
            zeros.assign(times.size(), makeReal(0));
            out.assign(times.size(), Value{});
            RowRequest request;
            request.recompute = true;
            request.xs = parameter_ != 0 ? zeros : times;
            if (parameter_ != 0) {
                request.varyingParameter = parameter_;
                request.varying = times;
            }
            rows_.evaluateRow(expr_, request, out);
            for (const Value& v : out)
                if (!add(frameOf(v))) return;
        }
    }

private:
    bool add(const Frame& f) { return buffer_.addFrame(f.left, f.right); }

    // The evaluator works on its own copy of the parameters: the swept parameter's value in
    // the project is never touched, so there is nothing to restore.
    DocumentEvaluator eval_;
    RowEvaluator rows_;
    SoundBuffer& buffer_;
    const CompiledExpression& expr_;
    int parameter_; // 0: the argument x is swept
};

bool confirmDistortion(Document& ctx, const SoundBuffer& buffer) {
    const Extended peak = buffer.peak();
    if (peak <= kDistortionPeak) return true;
    const std::string text = std::string(kMsgSoundDistorted) + " " +
                             formatGeneral(peak / kSoundScale, 4, ctx.project.engine.decimalChar);
    return ctx.messages.show(text, MessageKind::Warning, true);
}

} // namespace

bool keepsStateBetweenEvaluations(const Project& project, const CompiledExpression& expr) {
    return dependsOn(Token::Path, expr, project, project.engine) ||
           dependsOn(Token::Igr, expr, project, project.engine);
}

SynthesisResult synthesise(Document& ctx, SoundState& sound, const SoundSweep& sweep,
                           SoundPath path, WorkBudget* budget) {
    Sampler sampler(ctx, sound.buffer, sweep, budget);
    const auto from = sampler.limit(*sweep.from);
    const auto to = sampler.limit(*sweep.to);
    if (!from || !to || *from > *to) return SynthesisResult::NoInterval;
    SoundBuffer& buffer = sound.buffer;
    if (!sound.append || buffer.isEmpty()) buffer.clear();
    const Extended step = Extended(1) / buffer.samplingRate();
    if (path == SoundPath::OneByOne || keepsStateBetweenEvaluations(ctx.project, *sweep.expr))
        sampler.oneByOne(*from, *to, step);
    else
        sampler.inRows(*from, *to, step);
    if (confirmDistortion(ctx, buffer)) return SynthesisResult::Kept;
    stopSound(sound);
    return SynthesisResult::Discarded;
}

} // namespace tarlix
