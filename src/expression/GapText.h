#pragma once
// A token text with a gap at its last edit, for the passes that insert and erase tokens as
// they walk the text: an edit costs the distance from the previous one instead of the length
// of the text, so a pass that brackets every operand stays linear in practice.

#include <cstddef>
#include <string>

namespace tarlix {

class GapText {
public:
    explicit GapText(std::string text) : buf_(std::move(text)), start_(buf_.size()) {}

    std::size_t size() const { return buf_.size() - gap_; }
    char operator[](std::size_t i) const { return i < start_ ? buf_[i] : buf_[i + gap_]; }

    void set(std::size_t i, char c) { (i < start_ ? buf_[i] : buf_[i + gap_]) = c; }
    void insert(std::size_t pos, std::size_t n, char c);
    void insert(std::size_t pos, const std::string& s);
    void erase(std::size_t pos, std::size_t n);
    // [from, to) as a string.
    std::string substr(std::size_t from, std::size_t n) const;
    // The whole text; the gap text is left empty.
    std::string take();

private:
    void moveGapTo(std::size_t pos);
    void makeRoom(std::size_t n);

    std::string buf_;
    std::size_t start_ = 0; // where the gap begins
    std::size_t gap_ = 0;   // its length
};

} // namespace tarlix
