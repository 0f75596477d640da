#include "platform/qt/GifPalette.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace tarlix {

namespace {

constexpr std::size_t kMaxColors = 256;
constexpr int kBins = 1 << 15; // five bits of each channel

int binOf(QRgb c) {
    return ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3);
}
int channelOfBin(int bin, int channel) {
    return (bin >> (10 - 5 * channel)) & 31;
}

const QRgb* rowOf(const QImage& image, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

// The picture's own colours, when it has at most 256 of them.
bool indexExactly(const QImage& image, IndexedImage& out) {
    std::unordered_map<QRgb, std::uint8_t> index;
    index.reserve(kMaxColors * 2);
    std::uint8_t* to = out.pixels.data();
    QRgb last = 0;
    std::uint8_t lastIndex = 0;
    bool haveLast = false;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = rowOf(image, y);
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = row[x] | 0xFF000000u;
            // Graphs are long runs of one colour: the last one saves most look-ups.
            if (!haveLast || c != last) {
                auto found = index.find(c);
                if (found == index.end()) {
                    if (out.palette.size() == kMaxColors) return false;
                    found = index.emplace(c, static_cast<std::uint8_t>(out.palette.size())).first;
                    out.palette.push_back(c);
                }
                last = c;
                lastIndex = found->second;
                haveLast = true;
            }
            *to++ = lastIndex;
        }
    }
    return true;
}

struct Histogram {
    std::vector<std::uint32_t> count = std::vector<std::uint32_t>(kBins);
    // Sums of the exact channels, so that a box's colour is the mean of its pixels.
    std::vector<std::array<std::uint64_t, 3>> sum =
        std::vector<std::array<std::uint64_t, 3>>(kBins);
};

struct Box {
    std::size_t begin = 0;
    std::size_t end = 0;
    int longest = 0; // the channel of widest extent
    int extent = 0;  // its extent, in bins
};

void measure(Box& box, const std::vector<int>& bins) {
    int low[3] = {31, 31, 31};
    int high[3] = {0, 0, 0};
    for (std::size_t i = box.begin; i < box.end; ++i)
        for (int c = 0; c < 3; ++c) {
            low[c] = std::min(low[c], channelOfBin(bins[i], c));
            high[c] = std::max(high[c], channelOfBin(bins[i], c));
        }
    box.extent = -1;
    for (int c = 0; c < 3; ++c)
        if (high[c] - low[c] > box.extent) {
            box.extent = high[c] - low[c];
            box.longest = c;
        }
}

// Splits the box at the median pixel of its widest channel; false when it is one bin.
bool split(Box& box, Box& upper, std::vector<int>& bins, const Histogram& h) {
    if (box.end - box.begin < 2) return false;
    const int c = box.longest;
    std::sort(bins.begin() + static_cast<std::ptrdiff_t>(box.begin),
              bins.begin() + static_cast<std::ptrdiff_t>(box.end),
              [c](int a, int b) { return channelOfBin(a, c) < channelOfBin(b, c); });
    std::uint64_t total = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) total += h.count[bins[i]];
    std::uint64_t below = 0;
    std::size_t at = box.begin + 1;
    for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
        below += h.count[bins[i]];
        at = i + 1;
        if (2 * below >= total) break;
    }
    upper = Box{at, box.end};
    box.end = at;
    measure(box, bins);
    measure(upper, bins);
    return true;
}

void indexByMedianCut(const QImage& image, IndexedImage& out) {
    Histogram h;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = rowOf(image, y);
        for (int x = 0; x < image.width(); ++x) {
            const int b = binOf(row[x]);
            ++h.count[b];
            h.sum[b][0] += qRed(row[x]);
            h.sum[b][1] += qGreen(row[x]);
            h.sum[b][2] += qBlue(row[x]);
        }
    }
    std::vector<int> bins;
    for (int b = 0; b < kBins; ++b)
        if (h.count[b] != 0) bins.push_back(b);
    std::vector<Box> boxes{Box{0, bins.size()}};
    measure(boxes.front(), bins);
    while (boxes.size() < kMaxColors) {
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return a.extent < b.extent;
        });
        Box upper;
        if (widest->extent <= 0 || !split(*widest, upper, bins, h)) break;
        boxes.push_back(upper);
    }
    std::vector<std::uint8_t> lookup(kBins);
    out.palette.clear();
    for (const Box& box : boxes) {
        std::uint64_t n = 0;
        std::array<std::uint64_t, 3> s{};
        for (std::size_t i = box.begin; i < box.end; ++i) {
            lookup[bins[i]] = static_cast<std::uint8_t>(out.palette.size());
            n += h.count[bins[i]];
            for (int c = 0; c < 3; ++c) s[c] += h.sum[bins[i]][c];
        }
        const auto mean = [&](int c) { return static_cast<int>((s[c] + n / 2) / n); };
        out.palette.push_back(qRgb(mean(0), mean(1), mean(2)));
    }
    std::uint8_t* to = out.pixels.data();
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = rowOf(image, y);
        for (int x = 0; x < image.width(); ++x) *to++ = lookup[binOf(row[x])];
    }
}

} // namespace

IndexedImage indexImage(const QImage& source) {
    const QImage image = source.format() == QImage::Format_RGB32
                             ? source
                             : source.convertToFormat(QImage::Format_RGB32);
    IndexedImage out;
    out.width = image.width();
    out.height = image.height();
    out.pixels.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    if (!indexExactly(image, out)) indexByMedianCut(image, out);
    if (out.palette.empty()) out.palette.push_back(qRgb(255, 255, 255));
    return out;
}

} // namespace tarlix
