#include "document/AfterimageFile.h"

#include "base/AtomicFile.h"
#include "document/ObjectTokens.h"
#include "document/Project.h"
#include "expression/References.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace tarlix {

namespace {

constexpr char kVersion[] = "Tarlix/win 2.8";
constexpr std::size_t kHeaderSize = 21;
constexpr std::size_t kPositionSize = 50;
// The most a snapshot can hold: every figure's position, every parameter, the colour lists. The
// store keeps its capacity of them, so no file the program writes is longer than kLargestFile.
constexpr std::size_t kLargestSnapshot =
    4 + kFigures * (2 + kPositionSize) + 4 + 14 * (10 + 2) +
    4 * (kExplicitFunctions + kRelations + 2 * kFigures + kSegments);
constexpr std::size_t kLargestFile = kHeaderSize + AfterimageStore::capacity * kLargestSnapshot;

// A denormal of the format is its 64-bit mantissa times 2^-kDenormalShift.
constexpr int kDenormalShift = 16382 + 63;

// The 10-byte x87 extended format, built from the value's parts so that the bytes are the same
// whatever long double is on this machine.
void putExtended(std::string& out, Extended v) {
    std::uint64_t mantissa = 0;
    std::uint16_t top = std::signbit(v) ? 0x8000 : 0;
    if (std::isnan(v)) {
        top |= 0x7fff;
        mantissa = 0xC000000000000000ULL;
    } else if (std::isinf(v)) {
        top |= 0x7fff;
        mantissa = 0x8000000000000000ULL;
    } else if (v != 0) {
        int e = 0;
        const Extended m = std::frexp(std::fabs(v), &e); // 0.5 <= m < 1
        const int biased = e - 1 + 16383;
        if (biased > 0) {
            mantissa = static_cast<std::uint64_t>(std::ldexp(m, 64));
            top |= static_cast<std::uint16_t>(biased);
        } else { // below the normal range: a denormal, exponent field 0, exact
            mantissa = static_cast<std::uint64_t>(std::ldexp(std::fabs(v), kDenormalShift));
        }
    }
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((mantissa >> (8 * i)) & 0xff));
    out.push_back(static_cast<char>(top & 0xff));
    out.push_back(static_cast<char>(top >> 8));
}

void putInt32(std::string& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((u >> (8 * i)) & 0xff));
}

void putByte(std::string& out, unsigned v) {
    out.push_back(static_cast<char>(v & 0xff));
}

// The 50-byte position record: kind at 0, a padding byte, x at 2, y at 12, r at 22, the
// colours at 32, 36 and 40, the flags at 44..49.
void putPosition(std::string& out, const FigurePosition& p) {
    const std::size_t start = out.size();
    putByte(out, static_cast<unsigned>(p.kind));
    putByte(out, 0);
    putExtended(out, p.x);
    putExtended(out, p.y);
    putExtended(out, p.r);
    putInt32(out, p.pointColor);
    putInt32(out, p.lineColor);
    putInt32(out, p.fillColor);
    for (std::uint8_t b :
         {p.pointAfterimage, p.lineAfterimage, p.pointSize, p.locusWidth, p.lineWidth, p.hollow})
        putByte(out, b);
    out.resize(start + kPositionSize, '\0');
}

template <std::size_t N> void putColours(std::string& out, const std::array<Color, N>& colours) {
    for (Color c : colours) putInt32(out, static_cast<std::int32_t>(c));
}

bool uses(const Project& p, int token, const CompiledExpression& r) {
    return !r.tokens.empty() && dependsOn(token, r, p, p.engine);
}

bool figureUses(const Project& p, int token, const FigureEntry& f) {
    for (const CompiledExpression* r : {&f.whole, &f.x, &f.y, &f.radius, &f.paramLow, &f.paramHigh})
        if (uses(p, token, *r)) return true;
    return false;
}

// A parameter is worth writing when an object that leaves afterimages uses it; a connected
// figure with afterimages counts through the figures it passes through.
bool relevantParameter(const Project& p, int i) {
    const int token = parameterToken(i);
    for (const EquationEntry& f : p.explicitFunctions)
        if (f.afterimage && uses(p, token, f.expr)) return true;
    for (const EquationEntry& r : p.relations)
        if (r.afterimage && uses(p, token, r.expr)) return true;
    for (int n = 1; n <= kFigures; ++n) {
        const FigureEntry& f = p.figures[n];
        if (f.kind == FigureKind::Empty || !figureUses(p, token, f)) continue;
        if (f.pointAfterimage || f.lineAfterimage || f.locusWidth != 0) return true;
        for (int s = 1; s <= p.segments.count; ++s)
            if (p.segments[s].afterimage && p.segments[s].usesVertex(n)) return true;
    }
    return false;
}

void putSnapshot(std::string& out, const AfterimageSnapshot& s, const Project& p,
                 const std::array<bool, 14>& relevant) {
    std::int32_t n = 0;
    for (int f = 1; f <= kFigures; ++f) n += s.position(f) ? 1 : 0;
    putInt32(out, n);
    for (int f = 1; f <= kFigures; ++f)
        if (const FigurePosition* pos = s.position(f)) {
            putByte(out, static_cast<unsigned>(f));
            putByte(out, 0);
            putPosition(out, *pos);
        }
    std::int32_t m = 0;
    const auto differs = [&](int i) {
        return relevant[static_cast<std::size_t>(i - 1)] &&
               s.parameters[static_cast<std::size_t>(i - 1)] != p.parameters[i].value;
    };
    for (int i = 1; i <= 14; ++i) m += differs(i) ? 1 : 0;
    putInt32(out, m);
    for (int i = 1; i <= 14; ++i)
        if (differs(i)) {
            putExtended(out, s.parameters[static_cast<std::size_t>(i - 1)]);
            putByte(out, static_cast<unsigned>(i));
            putByte(out, 0);
        }
    putColours(out, s.functions);
    putColours(out, s.relations);
    putColours(out, s.curveLines);
    putColours(out, s.curveFills);
    putColours(out, s.segmentPens);
}

// Reads the fields of the file in order; every read fails once past the end.
class Reader {
public:
    explicit Reader(const std::string& bytes) : bytes_(bytes) {}
    bool atEnd() const { return pos_ >= bytes_.size(); }
    bool bytes(std::size_t n, const char*& at) {
        if (bytes_.size() - pos_ < n) return false;
        at = bytes_.data() + pos_;
        pos_ += n;
        return true;
    }
    bool byte(unsigned& v) {
        const char* at = nullptr;
        if (!bytes(1, at)) return false;
        v = static_cast<unsigned char>(*at);
        return true;
    }
    bool int32(std::int32_t& v) {
        const char* at = nullptr;
        if (!bytes(4, at)) return false;
        std::uint32_t u = 0;
        for (int i = 3; i >= 0; --i) u = (u << 8) | static_cast<unsigned char>(at[i]);
        v = static_cast<std::int32_t>(u);
        return true;
    }
    bool extended(Extended& v) {
        const char* at = nullptr;
        if (!bytes(10, at)) return false;
        std::uint64_t mantissa = 0;
        for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | static_cast<unsigned char>(at[i]);
        const unsigned top = static_cast<unsigned char>(at[8]) |
                             (static_cast<unsigned>(static_cast<unsigned char>(at[9])) << 8);
        const int exponent = static_cast<int>(top & 0x7fff);
        if (exponent == 0x7fff) return false; // infinities and NaN are malformed
        // A denormal's exponent field 0 stands for the smallest exponent, as 1 does.
        v = exponent == 0 ? std::ldexp(static_cast<Extended>(mantissa), -kDenormalShift)
                          : std::ldexp(static_cast<Extended>(mantissa), exponent - 16383 - 63);
        if (top & 0x8000) v = -v;
        return true;
    }
    template <std::size_t N> bool colours(std::array<Color, N>& out) {
        for (Color& c : out) {
            std::int32_t v = 0;
            if (!int32(v)) return false;
            c = static_cast<Color>(v) & 0xFFFFFFu;
        }
        return true;
    }

private:
    const std::string& bytes_;
    std::size_t pos_ = 0;
};

bool readPosition(Reader& in, FigurePosition& p) {
    const char* start = nullptr;
    std::string record;
    if (!in.bytes(kPositionSize, start)) return false;
    record.assign(start, kPositionSize);
    Reader r(record);
    unsigned kind = 0;
    unsigned padding = 0;
    std::int32_t colours[3]{};
    unsigned flags[6]{};
    bool ok =
        r.byte(kind) && r.byte(padding) && r.extended(p.x) && r.extended(p.y) && r.extended(p.r);
    for (std::int32_t& c : colours) ok = ok && r.int32(c);
    for (unsigned& f : flags) ok = ok && r.byte(f);
    if (!ok || kind > static_cast<unsigned>(FigureKind::Parametric)) return false;
    p.kind = static_cast<FigureKind>(kind);
    p.pointColor = colours[0];
    p.lineColor = colours[1];
    p.fillColor = colours[2];
    p.pointAfterimage = static_cast<std::uint8_t>(flags[0]);
    p.lineAfterimage = static_cast<std::uint8_t>(flags[1]);
    p.pointSize = static_cast<std::uint8_t>(flags[2]);
    p.locusWidth = static_cast<std::uint8_t>(flags[3]);
    p.lineWidth = static_cast<std::uint8_t>(flags[4]);
    p.hollow = static_cast<std::uint8_t>(flags[5]);
    return true;
}

// The header's version: the length byte and the program's version text.
bool isOurHeader(const char* header) {
    return static_cast<unsigned char>(header[0]) == sizeof kVersion - 1 &&
           std::memcmp(header + 1, kVersion, sizeof kVersion - 1) == 0;
}

// One snapshot record; false on a cut or a value out of range.
bool readSnapshot(Reader& in, AfterimageSnapshot& s) {
    std::int32_t n = 0;
    if (!in.int32(n) || n < 0 || n > kFigures) return false;
    for (std::int32_t k = 0; k < n; ++k) {
        unsigned figure = 0;
        unsigned padding = 0;
        FigurePosition p;
        if (!in.byte(figure) || !in.byte(padding) || figure < 1 || figure > kFigures ||
            !readPosition(in, p))
            return false;
        s.positions[figure - 1] = p;
    }
    std::int32_t m = 0;
    if (!in.int32(m) || m < 0 || m > 14) return false;
    for (std::int32_t k = 0; k < m; ++k) {
        Extended value = 0;
        unsigned number = 0;
        unsigned padding = 0;
        if (!in.extended(value) || !in.byte(number) || !in.byte(padding) || number < 1 ||
            number > 14)
            return false;
        s.parameters[number - 1] = value;
    }
    return in.colours(s.functions) && in.colours(s.relations) && in.colours(s.curveLines) &&
           in.colours(s.curveFills) && in.colours(s.segmentPens);
}

} // namespace

std::string afterimageFileBytes(const AfterimageStore& store, const Project& project) {
    std::array<bool, 14> relevant{};
    for (int i = 1; i <= 14; ++i)
        relevant[static_cast<std::size_t>(i - 1)] = relevantParameter(project, i);
    std::string out;
    putByte(out, sizeof kVersion - 1);
    out.append(kVersion);
    out.resize(kHeaderSize, '\0');
    for (std::size_t i = 0; i < store.size(); ++i) putSnapshot(out, store[i], project, relevant);
    return out;
}

bool saveAfterimages(const AfterimageStore& store, const Project& project,
                     const std::string& path) {
    if (store.empty()) return !isRegularFile(path) || std::remove(path.c_str()) == 0;
    return writeFileAtomically(path, afterimageFileBytes(store, project));
}

void readAfterimages(AfterimageStore& store, const Project& project, const std::string& bytes,
                     MessageBox& messages) {
    store.clear();
    if (bytes.empty()) return;
    Reader in(bytes);
    const char* header = nullptr;
    if (!in.bytes(kHeaderSize, header)) {
        messages.show(kMsgAfterimageFileDamaged, MessageKind::Error, false);
        return;
    }
    if (!isOurHeader(header)) return;
    while (!in.atEnd()) {
        AfterimageSnapshot s;
        for (int i = 1; i <= 14; ++i)
            s.parameters[static_cast<std::size_t>(i - 1)] = project.parameters[i].value;
        if (!readSnapshot(in, s)) {
            messages.show(kMsgAfterimageFileDamaged, MessageKind::Error, false);
            return;
        }
        store.push(s);
    }
}

void loadAfterimages(AfterimageStore& store, const Project& project, const std::string& path,
                     MessageBox& messages) {
    store.clear();
    std::string bytes;
    const ReadResult read = readFile(path, kLargestFile, bytes);
    if (read == ReadResult::TooLarge) {
        // Longer than any the program writes: damaged if it is ours, someone else's otherwise.
        std::string head;
        if (readFirstLine(path, kHeaderSize, head) && head.size() == kHeaderSize &&
            isOurHeader(head.data()))
            messages.show(kMsgAfterimageFileDamaged, MessageKind::Error, false);
        return;
    }
    if (read == ReadResult::Ok) readAfterimages(store, project, bytes, messages);
}

} // namespace tarlix
