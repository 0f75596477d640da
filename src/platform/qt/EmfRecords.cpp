#include "platform/qt/EmfRecords.h"

#include "platform/qt/MetafileGdi.h"

#include <cstring>

namespace tarlix {

namespace {

// A reference device ten inches square: its pixels per millimetre are the picture's exactly.
constexpr int kReferenceInches = 10;
constexpr int kMillimetresPerTenInches = 254;

U_POINTL pointOf(Point p) {
    return point32_set(p.x, p.y);
}
U_RECTL rectOf(const Rect& r) {
    return U_RECTL{r.left, r.top, r.right, r.bottom};
}

U_RECTL boundsOf(const std::vector<Point>& points) {
    U_RECTL b{points.front().x, points.front().y, points.front().x, points.front().y};
    for (const Point& p : points) {
        b.left = std::min(b.left, p.x);
        b.top = std::min(b.top, p.y);
        b.right = std::max(b.right, p.x);
        b.bottom = std::max(b.bottom, p.y);
    }
    return b;
}

class EmfRecords : public MetafileRecords {
public:
    EmfRecords(Size size, int dotsPerInch);
    ~EmfRecords() override { emf_htable_free(&handles_); }
    EmfRecords(const EmfRecords&) = delete;
    EmfRecords& operator=(const EmfRecords&) = delete;

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
    // Takes a record made by libuemf (freed here); a record it could not make is dropped.
    void add(char* record);
    uint32_t makePen(const MetaPen& pen);
    uint32_t makeBrush(const MetaBrush& brush);
    uint32_t makeFont(const MetaFont& font);
    // Selects the new object, then deletes the one it replaces.
    void replace(uint32_t& handle, uint32_t made);
    void selectAll();
    std::vector<U_POINTL> points(const std::vector<Point>& points) const;

    std::string bytes_;
    uint32_t records_ = 0;
    EMFHANDLES* handles_ = nullptr;
    gdi::SelectedObjects selected_;
};

EmfRecords::EmfRecords(Size size, int dotsPerInch) {
    emf_htable_create(128, 128, &handles_);
    const U_RECTL bounds{0, 0, size.width - 1, size.height - 1};
    const auto hundredths = [&](int pixels) {
        return static_cast<int32_t>((static_cast<long>(pixels) * 2540 + dotsPerInch / 2) /
                                    dotsPerInch);
    };
    const U_RECTL frame{0, 0, hundredths(size.width) - 1, hundredths(size.height) - 1};
    const int device = kReferenceInches * dotsPerInch;
    add(U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, sizel_set(device, device),
                        sizel_set(kMillimetresPerTenInches, kMillimetresPerTenInches), 0));
    add(U_EMRSETMAPMODE_set(U_MM_TEXT));
    add(U_EMRSETBKMODE_set(U_TRANSPARENT));
    add(U_EMRSETPOLYFILLMODE_set(U_ALTERNATE));
    add(U_EMRSETTEXTALIGN_set(U_TA_BASELINE | U_TA_LEFT));
    add(U_EMRSETTEXTCOLOR_set(gdi::colorOf(selected_.textColor)));
    selected_.penHandle = makePen(selected_.pen);
    selected_.brushHandle = makeBrush(selected_.brush);
    selected_.fontHandle = makeFont(selected_.font);
    selectAll();
}

void EmfRecords::add(char* record) {
    if (!record) return;
    const auto* emr = reinterpret_cast<const U_EMR*>(record);
    bytes_.append(record, emr->nSize);
    ++records_;
    std::free(record);
}

uint32_t EmfRecords::makePen(const MetaPen& pen) {
    uint32_t handle = 0;
    const U_LOGPEN logPen = logpen_set(
        gdi::penStyleOf(pen.line), point32_set(std::max(pen.width, 1), 0), gdi::colorOf(pen.color));
    add(createpen_set(&handle, handles_, logPen));
    return handle;
}

uint32_t EmfRecords::makeBrush(const MetaBrush& brush) {
    uint32_t handle = 0;
    const U_LOGBRUSH logBrush = logbrush_set(gdi::brushStyleOf(brush.fill),
                                             gdi::colorOf(brush.color), gdi::hatchOf(brush.fill));
    add(createbrushindirect_set(&handle, handles_, logBrush));
    return handle;
}

uint32_t EmfRecords::makeFont(const MetaFont& font) {
    uint16_t face[U_LF_FACESIZE] = {};
    const std::u16string name(font.face.begin(), font.face.end());
    std::memcpy(face, name.data(), std::min<std::size_t>(name.size(), U_LF_FACESIZE - 1) * 2);
    const U_LOGFONT logFont =
        logfont_set(-font.height, 0, 0, 0, font.bold ? U_FW_BOLD : U_FW_NORMAL, font.italic,
                    font.underline, font.strikeOut, gdi::charsetOf(font), 0, 0, 0, 0, face);
    uint32_t handle = 0;
    add(extcreatefontindirectw_set(&handle, handles_, reinterpret_cast<const char*>(&logFont),
                                   nullptr));
    return handle;
}

void EmfRecords::replace(uint32_t& handle, uint32_t made) {
    add(selectobject_set(made, handles_));
    add(deleteobject_set(&handle, handles_));
    handle = made;
}

void EmfRecords::selectAll() {
    add(selectobject_set(selected_.penHandle, handles_));
    add(selectobject_set(selected_.brushHandle, handles_));
    add(selectobject_set(selected_.fontHandle, handles_));
}

void EmfRecords::setPen(const MetaPen& pen) {
    if (pen == selected_.pen) return;
    selected_.pen = pen;
    replace(selected_.penHandle, makePen(pen));
}

void EmfRecords::setBrush(const MetaBrush& brush) {
    if (brush == selected_.brush) return;
    selected_.brush = brush;
    replace(selected_.brushHandle, makeBrush(brush));
}

void EmfRecords::setFont(const MetaFont& font) {
    if (font == selected_.font) return;
    selected_.font = font;
    replace(selected_.fontHandle, makeFont(font));
}

void EmfRecords::setTextColor(Color color) {
    if (color == selected_.textColor) return;
    selected_.textColor = color;
    add(U_EMRSETTEXTCOLOR_set(gdi::colorOf(color)));
}

void EmfRecords::setClip(const Rect& clip) {
    if (selected_.clipSaved) {
        add(U_EMRRESTOREDC_set(-1));
        selectAll();
        add(U_EMRSETTEXTCOLOR_set(gdi::colorOf(selected_.textColor)));
        selected_.clipSaved = false;
    }
    if (clip.width() <= 0 || clip.height() <= 0) return;
    add(U_EMRSAVEDC_set());
    add(U_EMRINTERSECTCLIPRECT_set(rectOf(clip)));
    selected_.clipSaved = true;
}

std::vector<U_POINTL> EmfRecords::points(const std::vector<Point>& points) const {
    std::vector<U_POINTL> out;
    out.reserve(points.size());
    for (const Point& p : points) out.push_back(pointOf(p));
    return out;
}

void EmfRecords::polyline(const std::vector<Point>& line) {
    if (line.size() < 2) return;
    const auto p = points(line);
    add(U_EMRPOLYLINE_set(boundsOf(line), static_cast<uint32_t>(p.size()), p.data()));
}

void EmfRecords::polygon(const std::vector<Point>& shape) {
    if (shape.size() < 3) return;
    const auto p = points(shape);
    add(U_EMRPOLYGON_set(boundsOf(shape), static_cast<uint32_t>(p.size()), p.data()));
}

void EmfRecords::rectangle(const Rect& box) {
    add(U_EMRRECTANGLE_set(rectOf(box)));
}

void EmfRecords::ellipse(const Rect& box) {
    add(U_EMRELLIPSE_set(rectOf(box)));
}

void EmfRecords::text(Point baseline, const std::u16string& text,
                      const std::vector<int>& advances) {
    if (text.empty()) return;
    std::vector<uint32_t> dx(advances.begin(), advances.end());
    dx.resize(text.size(), 0);
    int width = 0;
    for (uint32_t d : dx) width += static_cast<int>(d);
    const U_RECTL box{baseline.x, baseline.y - selected_.font.height, baseline.x + width,
                      baseline.y + selected_.font.height / 3};
    std::u16string chars = text;
    char* emrText = emrtext_set(pointOf(baseline), static_cast<uint32_t>(chars.size()), 2,
                                chars.data(), U_ETO_NONE, U_RECTL{0, 0, -1, -1}, dx.data());
    if (!emrText) return;
    add(U_EMREXTTEXTOUTW_set(box, U_GM_COMPATIBLE, 1.0f, 1.0f,
                             reinterpret_cast<PU_EMRTEXT>(emrText)));
    std::free(emrText);
}

void EmfRecords::bitmap(const Rect& destination, const MetaBitmap& bitmap) {
    if (bitmap.width <= 0 || bitmap.height <= 0) return;
    const U_BITMAPINFOHEADER header =
        bitmapinfoheader_set(bitmap.width, bitmap.height, 1, 24, U_BI_RGB,
                             static_cast<uint32_t>(bitmap.rows.size()), 0, 0, 0, 0);
    PU_BITMAPINFO info = bitmapinfo_set(header, nullptr);
    if (!info) return;
    std::vector<char> rows = bitmap.rows;
    add(U_EMRSTRETCHDIBITS_set(rectOf(destination), point32_set(destination.left, destination.top),
                               point32_set(destination.width(), destination.height()),
                               point32_set(0, 0), point32_set(bitmap.width, bitmap.height),
                               U_DIB_RGB_COLORS, U_SRCCOPY, info,
                               static_cast<uint32_t>(rows.size()), rows.data()));
    std::free(info);
}

std::string EmfRecords::finish() {
    if (selected_.clipSaved) add(U_EMRRESTOREDC_set(-1));
    selected_.clipSaved = false;
    EMFTRACK track{};
    add(U_EMREOF_set(0, nullptr, &track));
    // The totals the header holds, known only now.
    U_EMRHEADER header;
    std::memcpy(&header, bytes_.data(), sizeof header);
    header.nBytes = static_cast<uint32_t>(bytes_.size());
    header.nRecords = records_;
    header.nHandles = static_cast<uint16_t>(handles_->peak + 1);
    std::memcpy(bytes_.data(), &header, sizeof header);
    return std::move(bytes_);
}

} // namespace

std::unique_ptr<MetafileRecords> makeEmfRecords(Size size, int dotsPerInch) {
    return std::make_unique<EmfRecords>(size, dotsPerInch);
}

} // namespace tarlix
