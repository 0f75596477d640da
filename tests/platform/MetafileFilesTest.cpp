#include "platform/qt/QtHeadless.h"
#include "platform/qt/QtImageCanvas.h"
#include "platform/qt/QtMetafileFiles.h"
#include "platform/qt/QtPicture.h"
#include "platform/qt/QtPictureFiles.h"

#include <QFile>
#include <QRect>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <uemf.h>
#include <uemf_safe.h>
#include <uwmf.h>

#include <cstring>

using namespace tarlix;

namespace {

constexpr Size kSize{200, 150};
constexpr int kDpi = 96;

const std::vector<Point> kLine = {{10, 20}, {60, 20}, {60, 80}};
const std::vector<Point> kTriangle = {{100, 10}, {150, 10}, {125, 60}};
constexpr Rect kBox{120, 70, 170, 95};
constexpr Rect kOval{20, 30, 50, 60};

// Lines, a hatched polygon, a filled rectangle and ellipse, a dashed line and text; an image
// only when asked.
std::unique_ptr<QtPicture> samplePicture(bool withImage) {
    auto picture = std::make_unique<QtPicture>(true);
    Canvas& c = picture->beginRecording(kSize.width, kSize.height);
    c.setPen(Pen{rgbColor(255, 0, 0)});
    c.polyline(kLine.data(), kLine.size());
    Pen dashed{rgbColor(0, 0, 255)};
    dashed.style = PenStyle::Dash;
    c.setPen(dashed);
    c.moveTo(20, 100);
    c.lineTo(180, 100);
    c.setPen(Pen{});
    c.setBrush(Brush{rgbColor(0, 160, 0), BrushStyle::Cross});
    c.polygon(kTriangle.data(), kTriangle.size());
    c.setBrush(Brush{rgbColor(255, 255, 0)});
    c.rectangle(kBox);
    c.ellipse(kOval);
    c.setBrush(Brush{kWhite, BrushStyle::Clear});
    c.setFont(Font{"Arial", 12});
    c.textOut(70, 40, "Tarlix");
    if (withImage) {
        RasterImage image{4, 3, std::vector<Color>(12, rgbColor(9, 8, 7))};
        c.drawImage(5, 5, image, RasterOp::Copy);
    }
    picture->endRecording();
    return picture;
}

// What a metafile holds, read back record by record.
struct ReadBack {
    QRect bounds; // the picture's pixels the header gives
    double dotsPerInch = 0;
    QRect frame; // EMF: hundredths of a millimetre
    std::vector<std::vector<Point>> polylines;
    std::vector<std::vector<Point>> polygons;
    std::vector<QRect> rectangles; // GDI boxes: right and bottom outside
    std::vector<QRect> ellipses;
    std::vector<std::string> texts;
    std::vector<std::string> faces;
    std::vector<int> fontHeights;
    std::vector<unsigned> penStyles;
    std::vector<int> hatches; // of hatched brushes
    unsigned penBeforeLastLine = 99;
    int hatchBeforeLastPolygon = -1;
    int bitmaps = 0;
    std::vector<QRect> clips;
};

template <typename P> std::vector<Point> pointsOf(const P* p, std::size_t n) {
    std::vector<Point> out;
    for (std::size_t i = 0; i < n; ++i) out.push_back(Point{p[i].x, p[i].y});
    return out;
}

QRect gdiRect(int l, int t, int r, int b) {
    return QRect(QPoint(l, t), QPoint(r, b));
}

// The EMF's records, walked with libuemf's own size check.
ReadBack readEmf(const std::string& bytes) {
    ReadBack rb;
    const char* at = bytes.data();
    const char* end = at + bytes.size();
    unsigned pen = 99;
    int hatch = -1;
    while (at < end) {
        U_EMR emr{};
        if (end - at >= static_cast<std::ptrdiff_t>(sizeof emr)) std::memcpy(&emr, at, sizeof emr);
        const uint32_t size = emr.nSize;
        const uint32_t type = emr.iType;
        if (size < sizeof emr || size > static_cast<std::size_t>(end - at) ||
            !U_emf_record_safe(at)) {
            ADD_FAILURE() << "bad record at " << at - bytes.data();
            break;
        }
        switch (type) {
        case U_EMR_HEADER: {
            U_EMRHEADER h;
            std::memcpy(&h, at, sizeof h);
            rb.bounds =
                gdiRect(h.rclBounds.left, h.rclBounds.top, h.rclBounds.right, h.rclBounds.bottom);
            rb.frame =
                gdiRect(h.rclFrame.left, h.rclFrame.top, h.rclFrame.right, h.rclFrame.bottom);
            rb.dotsPerInch = h.szlDevice.cx * 25.4 / h.szlMillimeters.cx;
            EXPECT_EQ(h.nBytes, bytes.size());
            break;
        }
        case U_EMR_POLYLINE:
        case U_EMR_POLYGON: {
            const auto* r = reinterpret_cast<const U_EMRPOLYLINE*>(at);
            auto pts = pointsOf(r->aptl, r->cptl);
            if (type == U_EMR_POLYLINE) {
                rb.polylines.push_back(pts);
                rb.penBeforeLastLine = pen;
            } else {
                rb.polygons.push_back(pts);
                rb.hatchBeforeLastPolygon = hatch;
            }
            break;
        }
        case U_EMR_RECTANGLE:
        case U_EMR_ELLIPSE: {
            const auto* r = reinterpret_cast<const U_EMRELLIPSE*>(at);
            const QRect box(QPoint(r->rclBox.left, r->rclBox.top),
                            QPoint(r->rclBox.right - 1, r->rclBox.bottom - 1));
            (type == U_EMR_RECTANGLE ? rb.rectangles : rb.ellipses).push_back(box);
            break;
        }
        case U_EMR_CREATEPEN: {
            pen = reinterpret_cast<const U_EMRCREATEPEN*>(at)->lopn.lopnStyle;
            rb.penStyles.push_back(pen);
            break;
        }
        case U_EMR_CREATEBRUSHINDIRECT: {
            const auto& lb = reinterpret_cast<const U_EMRCREATEBRUSHINDIRECT*>(at)->lb;
            hatch = lb.lbStyle == U_BS_HATCHED ? static_cast<int>(lb.lbHatch) : -1;
            if (hatch >= 0) rb.hatches.push_back(hatch);
            break;
        }
        case U_EMR_EXTCREATEFONTINDIRECTW: {
            const auto& lf =
                reinterpret_cast<const U_EMREXTCREATEFONTINDIRECTW*>(at)->elfw.elfLogFont;
            std::string face;
            for (int i = 0; i < U_LF_FACESIZE && lf.lfFaceName[i]; ++i)
                face.push_back(static_cast<char>(lf.lfFaceName[i]));
            rb.faces.push_back(face);
            rb.fontHeights.push_back(-lf.lfHeight);
            break;
        }
        case U_EMR_EXTTEXTOUTW: {
            const auto* r = reinterpret_cast<const U_EMREXTTEXTOUTW*>(at);
            const auto* chars = reinterpret_cast<const uint16_t*>(at + r->emrtext.offString);
            std::string text;
            for (uint32_t i = 0; i < r->emrtext.nChars; ++i)
                text.push_back(static_cast<char>(chars[i]));
            rb.texts.push_back(text);
            break;
        }
        case U_EMR_INTERSECTCLIPRECT: {
            const auto& r = reinterpret_cast<const U_EMRINTERSECTCLIPRECT*>(at)->rclClip;
            rb.clips.push_back(QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)));
            break;
        }
        case U_EMR_STRETCHDIBITS:
            ++rb.bitmaps;
            break;
        default:
            break;
        }
        at += size;
    }
    return rb;
}

std::vector<Point> points16(const char* data, uint16_t n) {
    std::vector<U_POINT16> p(n);
    std::memcpy(p.data(), data, n * sizeof(U_POINT16));
    return pointsOf(p.data(), n);
}

// The WMF's records, walked with libuemf's record getters.
ReadBack readWmf(const std::string& bytes) {
    ReadBack rb;
    const char* end = bytes.data() + bytes.size();
    U_WMRPLACEABLE placeable;
    U_WMRHEADER header;
    const int headers = wmfheader_get(bytes.data(), end, &placeable, &header);
    EXPECT_EQ(placeable.Key, 0x9AC6CDD7u);
    rb.bounds = gdiRect(placeable.Dst.left, placeable.Dst.top, placeable.Dst.right - 1,
                        placeable.Dst.bottom - 1);
    rb.dotsPerInch = placeable.Inch;
    EXPECT_EQ(2 * (header.Sizew[0] | header.Sizew[1] << 16) + 22, bytes.size());
    unsigned pen = 99;
    int hatch = -1;
    Point position;
    for (const char* at = bytes.data() + headers; at < end;) {
        const size_t size = U_WMRRECSAFE_get(at, end);
        if (size == 0) {
            ADD_FAILURE() << "bad record at " << at - bytes.data();
            break;
        }
        const int type = U_WMRTYPE(at);
        uint16_t n = 0;
        const char* data = nullptr;
        U_POINT16 to;
        if (type == U_WMR_MOVETO && U_WMRMOVETO_get(at, &to)) {
            position = Point{to.x, to.y};
        } else if (type == U_WMR_LINETO && U_WMRLINETO_get(at, &to)) {
            rb.polylines.push_back({position, Point{to.x, to.y}});
            rb.penBeforeLastLine = pen;
            position = Point{to.x, to.y};
        } else if (type == U_WMR_POLYLINE && U_WMRPOLYLINE_get(at, &n, &data)) {
            rb.polylines.push_back(points16(data, n));
            rb.penBeforeLastLine = pen;
        } else if (type == U_WMR_POLYGON && U_WMRPOLYGON_get(at, &n, &data)) {
            rb.polygons.push_back(points16(data, n));
            rb.hatchBeforeLastPolygon = hatch;
        } else if (type == U_WMR_RECTANGLE || type == U_WMR_ELLIPSE) {
            U_RECT16 r;
            const int ok =
                type == U_WMR_RECTANGLE ? U_WMRRECTANGLE_get(at, &r) : U_WMRELLIPSE_get(at, &r);
            EXPECT_TRUE(ok);
            (type == U_WMR_RECTANGLE ? rb.rectangles : rb.ellipses)
                .push_back(QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)));
        } else if (type == U_WMR_CREATEPENINDIRECT) {
            U_PEN p;
            U_WMRCREATEPENINDIRECT_get(at, &p);
            pen = p.Style;
            rb.penStyles.push_back(pen);
        } else if (type == U_WMR_CREATEBRUSHINDIRECT) {
            const char* brush = nullptr;
            U_WMRCREATEBRUSHINDIRECT_get(at, &brush);
            U_WLOGBRUSH lb;
            std::memcpy(&lb, brush, sizeof lb);
            hatch = lb.Style == U_BS_HATCHED ? lb.Hatch : -1;
            if (hatch >= 0) rb.hatches.push_back(hatch);
        } else if (type == U_WMR_CREATEFONTINDIRECT) {
            const char* font = nullptr;
            U_WMRCREATEFONTINDIRECT_get(at, &font);
            U_FONT f;
            std::memcpy(&f, font, sizeof f);
            rb.faces.push_back(reinterpret_cast<const char*>(font + offsetof(U_FONT, FaceName)));
            rb.fontHeights.push_back(-f.Height);
        } else if (type == U_WMR_EXTTEXTOUT) {
            U_POINT16 dst;
            int16_t length = 0;
            uint16_t opts = 0;
            const char* text = nullptr;
            const int16_t* dx = nullptr;
            U_RECT16 r;
            U_WMREXTTEXTOUT_get(at, &dst, &length, &opts, &text, &dx, &r);
            rb.texts.emplace_back(text, static_cast<std::size_t>(length));
        } else if (type == U_WMR_INTERSECTCLIPRECT) {
            U_RECT16 r;
            U_WMRINTERSECTCLIPRECT_get(at, &r);
            rb.clips.push_back(QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)));
        } else if (type == U_WMR_STRETCHDIB) {
            ++rb.bitmaps;
        }
        at += size;
    }
    return rb;
}

// The smallest rectangle holding every pixel that is not white.
QRect inkBounds(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) box |= QRect(x, y, 1, 1);
    return box;
}

// The same bounds from the metafile's shapes (the white ground left out).
QRect shapeBounds(const ReadBack& rb) {
    QRect box;
    for (const auto* lists : {&rb.polylines, &rb.polygons})
        for (const auto& shape : *lists)
            for (const Point& p : shape) box |= QRect(p.x, p.y, 1, 1);
    for (const QRect& r : rb.rectangles)
        if (!r.contains(rb.bounds)) box |= r;
    for (const QRect& r : rb.ellipses) box |= r;
    return box;
}

struct Kind {
    const char* name;
    MetafileKind kind;
    ReadBack (*read)(const std::string&);
    unsigned dashStyle;
};
const Kind kKinds[] = {
    {"emf", MetafileKind::Emf, readEmf, U_PS_DASH},
    {"wmf", MetafileKind::Wmf, readWmf, U_PS_DASH},
};

class MetafileFiles : public ::testing::Test {
protected:
    QtHeadless platform; // fonts need the application object
};

} // namespace

TEST_F(MetafileFiles, HeaderGivesThePicturesSizeAndResolution) {
    const auto picture = samplePicture(false);
    for (const Kind& k : kKinds) {
        SCOPED_TRACE(k.name);
        const ReadBack rb = k.read(encodeMetafile(*picture, kSize, kDpi, k.kind));
        EXPECT_EQ(rb.bounds, QRect(0, 0, kSize.width, kSize.height));
        EXPECT_NEAR(rb.dotsPerInch, kDpi, 1e-9);
        if (k.kind == MetafileKind::Emf) {
            EXPECT_EQ(rb.frame, QRect(0, 0, 200 * 2540 / 96 + 1, 150 * 2540 / 96 + 1));
        }
    }
}

TEST_F(MetafileFiles, ShapesAndTextAreVectorRecordsAtTheirPixels) {
    const auto picture = samplePicture(false);
    for (const Kind& k : kKinds) {
        SCOPED_TRACE(k.name);
        const ReadBack rb = k.read(encodeMetafile(*picture, kSize, kDpi, k.kind));
        ASSERT_GE(rb.polylines.size(), 2u);
        EXPECT_EQ(rb.polylines[0], kLine);
        EXPECT_EQ(rb.polylines[1], (std::vector<Point>{{20, 100}, {180, 100}}));
        EXPECT_EQ(rb.penBeforeLastLine, k.dashStyle);
        ASSERT_EQ(rb.polygons.size(), 1u);
        EXPECT_EQ(rb.polygons[0], kTriangle);
        EXPECT_EQ(rb.hatchBeforeLastPolygon, U_HS_CROSS);
        EXPECT_NE(
            std::find(rb.rectangles.begin(), rb.rectangles.end(),
                      QRect(QPoint(kBox.left, kBox.top), QPoint(kBox.right - 1, kBox.bottom - 1))),
            rb.rectangles.end());
        ASSERT_EQ(rb.ellipses.size(), 1u);
        EXPECT_EQ(rb.ellipses[0],
                  QRect(QPoint(kOval.left, kOval.top), QPoint(kOval.right - 1, kOval.bottom - 1)));
        EXPECT_EQ(rb.texts, std::vector<std::string>{"Tarlix"});
        EXPECT_EQ(rb.faces.back(), "Arial");
        EXPECT_EQ(rb.fontHeights.back(), 16);
        EXPECT_EQ(rb.bitmaps, 0); // a vector file, not a picture inside one
    }
}

TEST_F(MetafileFiles, AnImageInThePictureBecomesOneBitmapRecord) {
    const auto picture = samplePicture(true);
    for (const Kind& k : kKinds) {
        SCOPED_TRACE(k.name);
        EXPECT_EQ(k.read(encodeMetafile(*picture, kSize, kDpi, k.kind)).bitmaps, 1);
    }
}

// A clip inside the picture is kept; one around the whole picture limits nothing and is left
// out.
TEST_F(MetafileFiles, ClipsInsideThePictureAreWritten) {
    QtPicture picture(true);
    Canvas& c = picture.beginRecording(kSize.width, kSize.height);
    c.setClip(Rect{5, 6, 100, 90});
    c.polyline(kLine.data(), kLine.size());
    c.setClip(Rect{0, 0, kSize.width, kSize.height});
    c.polyline(kLine.data(), kLine.size());
    c.setClip(Rect{});
    c.polyline(kLine.data(), kLine.size());
    picture.endRecording();
    for (const Kind& k : kKinds) {
        SCOPED_TRACE(k.name);
        const ReadBack rb = k.read(encodeMetafile(picture, kSize, kDpi, k.kind));
        EXPECT_EQ(rb.clips, std::vector<QRect>{QRect(5, 6, 95, 84)});
        EXPECT_EQ(rb.polylines.size(), 3u);
    }
}

// The drawn lines and shapes cover the same pixels as the picture drawn into an image.
TEST_F(MetafileFiles, ShapesCoverWhatTheBitmapOfThePictureCovers) {
    const auto picture = samplePicture(false);
    QtImageCanvas canvas(kSize.width, kSize.height);
    picture->replay(canvas, Rect{0, 0, kSize.width, kSize.height});
    const QRect ink = inkBounds(canvas.image());
    for (const Kind& k : kKinds) {
        SCOPED_TRACE(k.name);
        const QRect shapes = shapeBounds(k.read(encodeMetafile(*picture, kSize, kDpi, k.kind)));
        EXPECT_LE(std::abs(shapes.left() - ink.left()), 1);
        EXPECT_LE(std::abs(shapes.top() - ink.top()), 1);
        EXPECT_LE(std::abs(shapes.right() - ink.right()), 1);
        EXPECT_LE(std::abs(shapes.bottom() - ink.bottom()), 1);
    }
}

TEST_F(MetafileFiles, SavedThroughTheFileWriterByExtension) {
    QTemporaryDir dir;
    const auto picture = samplePicture(false);
    const struct {
        const char* name;
        PictureFileType type;
        QByteArray magic;
        int offset;
    } cases[] = {
        {"p.emf", PictureFileType::Emf, QByteArray(" EMF", 4), 40},
        {"p.wmf", PictureFileType::Wmf, QByteArray("\xD7\xCD\xC6\x9A", 4), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.filePath(c.name).toStdString();
        ASSERT_TRUE(saveVectorFile(*picture, kSize, kDpi, path, c.type).ok());
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll().mid(c.offset, 4), c.magic);
    }
    // A picture of no size has nothing to write: a failure, and no file.
    for (const char* name : {"none.emf", "none.wmf"}) {
        const std::string path = dir.filePath(name).toStdString();
        EXPECT_FALSE(
            saveVectorFile(*picture, Size{0, 0}, kDpi, path, *pictureFileTypeOf(path)).ok());
        EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
    }
}
