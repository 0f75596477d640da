#include "expression/GapText.h"

#include <algorithm>
#include <cstring>

namespace tarlix {

void GapText::moveGapTo(std::size_t pos) {
    if (pos < start_)
        std::memmove(&buf_[pos + gap_], &buf_[pos], start_ - pos);
    else if (pos > start_)
        std::memmove(&buf_[start_], &buf_[start_ + gap_], pos - start_);
    start_ = pos;
}

void GapText::makeRoom(std::size_t n) {
    if (gap_ >= n) return;
    const std::size_t grow = std::max(n - gap_, buf_.size() / 2 + 16);
    const std::size_t tail = buf_.size() - start_ - gap_;
    buf_.resize(buf_.size() + grow);
    std::memmove(&buf_[buf_.size() - tail], &buf_[start_ + gap_], tail);
    gap_ += grow;
}

void GapText::insert(std::size_t pos, std::size_t n, char c) {
    makeRoom(n);
    moveGapTo(pos);
    std::fill_n(&buf_[start_], n, c);
    start_ += n;
    gap_ -= n;
}

void GapText::insert(std::size_t pos, const std::string& s) {
    makeRoom(s.size());
    moveGapTo(pos);
    std::copy(s.begin(), s.end(), &buf_[start_]);
    start_ += s.size();
    gap_ -= s.size();
}

void GapText::erase(std::size_t pos, std::size_t n) {
    moveGapTo(pos);
    gap_ += n;
}

std::string GapText::substr(std::size_t from, std::size_t n) const {
    std::string out;
    out.reserve(n);
    for (std::size_t i = from; i < from + n; ++i) out += (*this)[i];
    return out;
}

std::string GapText::take() {
    moveGapTo(size());
    buf_.resize(start_);
    gap_ = 0;
    return std::move(buf_);
}

} // namespace tarlix
