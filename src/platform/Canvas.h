#pragma once
// The 2-D canvas every drawing of the program goes through. The same drawing runs on screen
// images, on recorded vector pictures, on printer pages and on exported pictures; the Qt layer
// implements it, tests use the recording canvas.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tarlix {

// 0x00BBGGRR, as stored in projects. White means "not drawn" wherever a colour switches
// something off.
using Color = std::uint32_t;
constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color rgbColor(int r, int g, int b) {
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Edges as the platform's rectangles: left/top inside, right/bottom just outside.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
};

enum class PenStyle { Solid, Dash, Dot, DashDot, Clear };

// How the pen and brush combine with what is already there. Mask is AND (white is
// transparent, overlaps darken), Merge is OR, Xor inverts against the background.
// The mode applies to lines and to the fills of polygons, ellipses and rectangles; textOut,
// setPixel and fillRect always copy, and copyFrom and drawImage use their own RasterOp.
enum class PenMode { Copy, Mask, Merge, Xor };

enum class CapStyle { Round, Flat, Square };
enum class JoinStyle { Round, Miter, Bevel };

// A pen of width 0 or 1 that is not geometric draws one-pixel lines (dashes of 18/6, dots of
// 3/3 pixels); a wider one has round ends and joins unless it is geometric.
struct Pen {
    Color color = kBlack;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
    // A geometric pen strokes paths with the given caps and joins; a cosmetic one (the default)
    // draws thin lines with the platform's own ends.
    bool geometric = false;
    CapStyle cap = CapStyle::Round;
    JoinStyle join = JoinStyle::Round;
};

enum class BrushStyle {
    Solid,
    Clear,
    Horizontal,
    Vertical,
    FDiagonal,
    BDiagonal,
    Cross,
    DiagCross
};

// An 8 x 8 monochrome pattern: row r, column c is set when bit (7 - c) of rows[r] is 1. Set
// bits take the brush colour, clear bits stay as they are (transparent).
struct BrushPattern {
    std::array<std::uint8_t, 8> rows{};
    friend bool operator==(const BrushPattern&, const BrushPattern&) = default;
};

struct Brush {
    Color color = kWhite;
    BrushStyle style = BrushStyle::Solid;
    bool hasPattern = false; // when set, the pattern fills instead of the style
    BrushPattern pattern{};
};

// A set of font attributes, combined with | and tested with has().
enum class FontStyle : unsigned { Plain = 0, Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };

constexpr FontStyle operator|(FontStyle a, FontStyle b) {
    return static_cast<FontStyle>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr FontStyle& operator|=(FontStyle& a, FontStyle b) {
    return a = a | b;
}
constexpr bool has(FontStyle set, FontStyle attribute) {
    return (static_cast<unsigned>(set) & static_cast<unsigned>(attribute)) != 0;
}
constexpr FontStyle without(FontStyle set, FontStyle attribute) {
    return static_cast<FontStyle>(static_cast<unsigned>(set) & ~static_cast<unsigned>(attribute));
}

// "Times New Roman", "Arial" or "Symbol"; size in points at 96 pixels per inch, as the
// program's windows measure them (a size of 12 is 16 pixels high).
struct Font {
    std::string name = "Arial";
    int size = 10;
    FontStyle style = FontStyle::Plain;
    Color color = kBlack;
};

enum class RasterOp { Copy, And, Or, Xor };

// A block of pixels held by the core (region bitmaps, hatch layers), drawn with drawImage.
struct RasterImage {
    int width = 0;
    int height = 0;
    std::vector<Color> pixels; // row by row, width * height
    Color at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    Color& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;

    virtual void setPen(const Pen& pen) = 0;
    virtual const Pen& pen() const = 0;
    virtual void setBrush(const Brush& brush) = 0;
    virtual const Brush& brush() const = 0;
    virtual void setFont(const Font& font) = 0;
    virtual const Font& font() const = 0;

    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0; // draws up to, not including, the end pixel
    virtual void polyline(const Point* points, std::size_t count) = 0;
    // Strokes an open path with the pen as a geometric pen (caps and joins of the pen).
    virtual void strokePath(const Point* points, std::size_t count) = 0;
    // Outline with the pen, inside with the brush (alternate filling).
    virtual void polygon(const Point* points, std::size_t count) = 0;
    virtual void ellipse(const Rect& bounds) = 0;
    virtual void rectangle(const Rect& bounds) = 0;
    virtual void fillRect(const Rect& bounds) = 0; // brush only, no outline

    // Text with its top-left corner at (x, y) in the current font; the brush paints the
    // background unless it is clear.
    virtual void textOut(int x, int y, const std::string& text) = 0;
    virtual Size textExtent(const std::string& text) = 0;

    virtual Color pixel(int x, int y) const = 0; // white outside the canvas
    virtual void setPixel(int x, int y, Color color) = 0;

    // Copies the source rectangle of another canvas into the destination rectangle (stretching
    // when the sizes differ), combined with what is there by op.
    virtual void copyFrom(const Canvas& source, const Rect& sourceRect, const Rect& destRect,
                          RasterOp op) = 0;
    virtual void drawImage(int x, int y, const RasterImage& image, RasterOp op) = 0;

    // Limits drawing to the rectangle; an empty rectangle removes the limit.
    virtual void setClip(const Rect& clip) = 0;
};

// A recorded vector picture: drawing into it is kept as a list of operations and replayed,
// scaled, into any canvas.
class Picture {
public:
    virtual ~Picture() = default;
    // Starts a new recording of the given logical size; the canvas lives until endRecording.
    virtual Canvas& beginRecording(int width, int height) = 0;
    virtual void endRecording() = 0;
    virtual Size size() const = 0;
    virtual bool isEmpty() const = 0;
    virtual void replay(Canvas& target, const Rect& destRect) const = 0;
};

// Makes the platform's images and pictures for the core (layers, afterimages, output).
class Surfaces {
public:
    virtual ~Surfaces() = default;
    virtual std::unique_ptr<Canvas> createImage(int width, int height, Color fill = kWhite) = 0;
    virtual std::unique_ptr<Picture> createPicture() = 0;
};

} // namespace tarlix
