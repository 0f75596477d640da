#include "platform/qt/WmfRecords.h"

#include "base/Text1252.h"
#include "platform/qt/MetafileGdi.h"

#include <uwmf.h>

#include <algorithm>
#include <cstring>

namespace tarlix {

namespace {

// A polyline record holds at most this many points; longer lines go in pieces that share ends.
constexpr std::size_t kMaxRecordPoints = 8000;

int16_t clamp16(int v) {
    return static_cast<int16_t>(std::clamp(v, -32768, 32767));
}
U_POINT16 pointOf(Point p) {
    return point16_set(clamp16(p.x), clamp16(p.y));
}
U_RECT16 rectOf(const Rect& r) {
    return U_RECT16{clamp16(r.left), clamp16(r.top), clamp16(r.right), clamp16(r.bottom)};
}

class WmfRecords : public MetafileRecords {
public:
    WmfRecords(Size size, int dotsPerInch);
    ~WmfRecords() override { wmf_htable_free(&handles_); }
    WmfRecords(const WmfRecords&) = delete;
    WmfRecords& operator=(const WmfRecords&) = delete;

    void setPen(const MetaPen& pen) override;
    void setBrush(const MetaBrush& brush) override;
    void setFont(const MetaFont& font) override;
    void setTextColor(Color color) override;
    void setClip(const Rect& clip) override;
    void polyline(const std::vector<Point>& points) override;
    void polygon(const std::vector<Point>& points) override;
    void rectangle(const Rect& box) override;
    void ellipse(const Rect& box) override;
    void text(Point baseline, const std::u16string& text,
              const std::vector<int>& advances) override;
    void bitmap(const Rect& destination, const MetaBitmap& bitmap) override;
    std::string finish() override;

private:
    void add(char* record, std::size_t size);
    void add(char* record) {
        if (record) add(record, U_wmr_size(reinterpret_cast<const U_METARECORD*>(record)));
    }
    uint32_t makePen(const MetaPen& pen);
    uint32_t makeBrush(const MetaBrush& brush);
    uint32_t makeFont(const MetaFont& font);
    void replace(uint32_t& handle, uint32_t made);
    void selectAll();

    std::string bytes_;
    std::size_t largest_ = 0; // bytes of the largest record
    WMFHANDLES* handles_ = nullptr;
    gdi::SelectedObjects selected_;
};

// The placeable header and the standard one before it.
constexpr std::size_t kPlaceableBytes = 22;
constexpr std::size_t kHeadersBytes = kPlaceableBytes + 18;

WmfRecords::WmfRecords(Size size, int dotsPerInch) {
    wmf_htable_create(128, 128, &handles_);
    U_PAIRF* inches =
        U_PAIRF_set(static_cast<float>(size.width) / static_cast<float>(dotsPerInch),
                    static_cast<float>(size.height) / static_cast<float>(dotsPerInch));
    char* header = U_WMRHEADER_set(inches, static_cast<unsigned>(dotsPerInch));
    std::free(inches);
    if (header) {
        bytes_.append(header, kHeadersBytes);
        std::free(header);
    }
    add(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC));
    add(U_WMRSETWINDOWORG_set(point16_set(0, 0)));
    add(U_WMRSETWINDOWEXT_set(point16_set(clamp16(size.width), clamp16(size.height))));
    add(U_WMRSETBKMODE_set(U_TRANSPARENT));
    add(U_WMRSETPOLYFILLMODE_set(U_ALTERNATE));
    add(U_WMRSETTEXTALIGN_set(U_TA_BASELINE | U_TA_LEFT));
    add(U_WMRSETTEXTCOLOR_set(gdi::colorOf(selected_.textColor)));
    selected_.penHandle = makePen(selected_.pen);
    selected_.brushHandle = makeBrush(selected_.brush);
    selected_.fontHandle = makeFont(selected_.font);
    selectAll();
}

void WmfRecords::add(char* record, std::size_t size) {
    bytes_.append(record, size);
    largest_ = std::max(largest_, size);
    std::free(record);
}

uint32_t WmfRecords::makePen(const MetaPen& pen) {
    uint32_t handle = 0;
    add(wcreatepenindirect_set(&handle, handles_,
                               U_PEN_set(static_cast<uint16_t>(gdi::penStyleOf(pen.line)),
                                         static_cast<uint16_t>(std::max(pen.width, 1)),
                                         gdi::colorOf(pen.color))));
    return handle;
}

uint32_t WmfRecords::makeBrush(const MetaBrush& brush) {
    uint32_t handle = 0;
    add(wcreatebrushindirect_set(
        &handle, handles_,
        U_WLOGBRUSH_set(static_cast<uint16_t>(gdi::brushStyleOf(brush.fill)),
                        gdi::colorOf(brush.color),
                        static_cast<uint16_t>(gdi::hatchOf(brush.fill)))));
    return handle;
}

uint32_t WmfRecords::makeFont(const MetaFont& font) {
    std::string face = font.face.substr(0, U_LF_FACESIZE - 1);
    U_FONT* logFont =
        U_FONT_set(clamp16(-font.height), 0, 0, 0, font.bold ? U_FW_BOLD : U_FW_NORMAL, font.italic,
                   font.underline, font.strikeOut, gdi::charsetOf(font), 0, 0, 0, 0, face.data());
    uint32_t handle = 0;
    if (logFont) add(wcreatefontindirect_set(&handle, handles_, logFont));
    std::free(logFont);
    return handle;
}

void WmfRecords::replace(uint32_t& handle, uint32_t made) {
    add(wselectobject_set(made, handles_));
    add(wdeleteobject_set(&handle, handles_));
    handle = made;
}

void WmfRecords::selectAll() {
    add(wselectobject_set(selected_.penHandle, handles_));
    add(wselectobject_set(selected_.brushHandle, handles_));
    add(wselectobject_set(selected_.fontHandle, handles_));
}

void WmfRecords::setPen(const MetaPen& pen) {
    if (pen == selected_.pen) return;
    selected_.pen = pen;
    replace(selected_.penHandle, makePen(pen));
}

void WmfRecords::setBrush(const MetaBrush& brush) {
    if (brush == selected_.brush) return;
    selected_.brush = brush;
    replace(selected_.brushHandle, makeBrush(brush));
}

void WmfRecords::setFont(const MetaFont& font) {
    if (font == selected_.font) return;
    selected_.font = font;
    replace(selected_.fontHandle, makeFont(font));
}

void WmfRecords::setTextColor(Color color) {
    if (color == selected_.textColor) return;
    selected_.textColor = color;
    add(U_WMRSETTEXTCOLOR_set(gdi::colorOf(color)));
}

void WmfRecords::setClip(const Rect& clip) {
    if (selected_.clipSaved) {
        add(U_WMRRESTOREDC_set(-1));
        selectAll();
        add(U_WMRSETTEXTCOLOR_set(gdi::colorOf(selected_.textColor)));
        selected_.clipSaved = false;
    }
    if (clip.width() <= 0 || clip.height() <= 0) return;
    add(U_WMRSAVEDC_set());
    add(U_WMRINTERSECTCLIPRECT_set(rectOf(clip)));
    selected_.clipSaved = true;
}

// A line of two points goes as a move and a line: some WMF readers draw no two-point polyline.
void WmfRecords::polyline(const std::vector<Point>& line) {
    if (line.size() == 2) {
        add(U_WMRMOVETO_set(pointOf(line[0])));
        add(U_WMRLINETO_set(pointOf(line[1])));
        return;
    }
    for (std::size_t from = 0; from + 1 < line.size(); from += kMaxRecordPoints - 1) {
        const std::size_t n = std::min(kMaxRecordPoints, line.size() - from);
        std::vector<U_POINT16> p;
        p.reserve(n);
        for (std::size_t i = 0; i < n; ++i) p.push_back(pointOf(line[from + i]));
        add(U_WMRPOLYLINE_set(static_cast<uint16_t>(n), p.data()));
    }
}

void WmfRecords::polygon(const std::vector<Point>& shape) {
    if (shape.size() < 3) return;
    // A polygon cannot be cut into pieces: one beyond a record's points keeps its first ones.
    const std::size_t n = std::min(shape.size(), std::size_t{0x7FFF});
    std::vector<U_POINT16> p;
    p.reserve(n);
    for (std::size_t i = 0; i < n; ++i) p.push_back(pointOf(shape[i]));
    add(U_WMRPOLYGON_set(static_cast<uint16_t>(n), p.data()));
}

void WmfRecords::rectangle(const Rect& box) {
    add(U_WMRRECTANGLE_set(rectOf(box)));
}

void WmfRecords::ellipse(const Rect& box) {
    add(U_WMRELLIPSE_set(rectOf(box)));
}

// The single-byte form of a character: the minus sign, which the program's numbers use, becomes
// a hyphen; any other character outside Windows-1252 a question mark.
char byteOf(char16_t c) {
    if (c == u'\u2212') return '-';
    const int b = byteOf1252(c);
    return static_cast<char>(b < 0 ? '?' : b);
}

// WMF text is in the font's single-byte character set: Windows-1252 here.
void WmfRecords::text(Point baseline, const std::u16string& text,
                      const std::vector<int>& advances) {
    if (text.empty()) return;
    std::string bytes;
    std::vector<int16_t> dx;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bytes.push_back(byteOf(text[i]));
        dx.push_back(clamp16(i < advances.size() ? advances[i] : 0));
    }
    add(U_WMREXTTEXTOUT_set(pointOf(baseline), static_cast<int16_t>(bytes.size()), 0, bytes.data(),
                            dx.data(), U_RECT16{0, 0, 0, 0}));
}

void WmfRecords::bitmap(const Rect& destination, const MetaBitmap& bitmap) {
    if (bitmap.width <= 0 || bitmap.height <= 0) return;
    const U_BITMAPINFOHEADER header =
        bitmapinfoheader_set(bitmap.width, bitmap.height, 1, 24, U_BI_RGB,
                             static_cast<uint32_t>(bitmap.rows.size()), 0, 0, 0, 0);
    PU_BITMAPINFO info = bitmapinfo_set(header, nullptr);
    if (!info) return;
    add(U_WMRSTRETCHDIB_set(
        pointOf({destination.left, destination.top}),
        point16_set(clamp16(destination.width()), clamp16(destination.height())), point16_set(0, 0),
        point16_set(clamp16(bitmap.width), clamp16(bitmap.height)), U_DIB_RGB_COLORS, U_SRCCOPY,
        info, static_cast<uint32_t>(bitmap.rows.size()), bitmap.rows.data()));
    std::free(info);
}

std::string WmfRecords::finish() {
    if (selected_.clipSaved) add(U_WMRRESTOREDC_set(-1));
    selected_.clipSaved = false;
    add(U_WMREOF_set());
    if (bytes_.size() < kHeadersBytes) return {};
    // The totals the standard header holds, known only now, in 16-bit words.
    U_WMRHEADER header;
    std::memcpy(&header, bytes_.data() + kPlaceableBytes, sizeof header);
    const auto words = static_cast<uint32_t>((bytes_.size() - kPlaceableBytes) / 2);
    header.Sizew[0] = static_cast<uint16_t>(words & 0xFFFF);
    header.Sizew[1] = static_cast<uint16_t>(words >> 16);
    header.nObjects = static_cast<uint16_t>(handles_->peak + 1);
    header.maxSize = static_cast<uint32_t>(largest_ / 2);
    std::memcpy(bytes_.data() + kPlaceableBytes, &header, sizeof header);
    return std::move(bytes_);
}

} // namespace

std::unique_ptr<MetafileRecords> makeWmfRecords(Size size, int dotsPerInch) {
    return std::make_unique<WmfRecords>(size, dotsPerInch);
}

} // namespace tarlix
