#pragma once
// How a long relation scan reaches the window while it runs: the clock, the break keys, the
// drag test, the caption that shows its progress and the repaint of a partial drawing. The
// defaults do nothing, so a scan without a window simply runs to the end.

#include <cstdint>
#include <string>

namespace tarlix {

class RelationScanHooks {
public:
    virtual ~RelationScanHooks() = default;
    virtual std::uint64_t tickCount() { return 0; } // milliseconds
    virtual bool breakKeyHeld() { return false; }   // F1 or Escape
    // An object is being dragged with drawWhileDragging on and the pointer, snapped as the drag
    // snaps it, has left the position of the drag step.
    virtual bool dragLeftStep() { return false; }
    virtual std::string caption() { return {}; }
    virtual void setCaption(const std::string& /*caption*/) {}
    // The layer image got the lines found so far; show it.
    virtual void repaint() {}
};

// The progress caption of a scan.
inline std::string scanProgressCaption(const std::string& saved, int percent) {
    return saved + " : " + std::to_string(percent) + "%" + " : Interrumpir con la tecla F1";
}

// Restores the window caption on every way out of a relation drawing.
class CaptionGuard {
public:
    explicit CaptionGuard(RelationScanHooks& hooks) : hooks_(hooks), saved_(hooks.caption()) {}
    ~CaptionGuard() { hooks_.setCaption(saved_); }
    CaptionGuard(const CaptionGuard&) = delete;
    CaptionGuard& operator=(const CaptionGuard&) = delete;
    const std::string& saved() const { return saved_; }

private:
    RelationScanHooks& hooks_;
    std::string saved_;
};

} // namespace tarlix
