#pragma once
// What a Windows metafile can hold of a picture, in the metafile's own coordinates (pixels of
// the picture): the GDI objects in force and the drawing records. The EMF and WMF writers turn
// these into their records through libuemf; the metafile paint engine feeds them.

#include "platform/Canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tarlix {

enum class MetaLine { Solid, Dash, Dot, DashDot, None };
enum class MetaFill { Solid, None, Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };

struct MetaPen {
    MetaLine line = MetaLine::Solid;
    int width = 1; // in pixels; 0 and 1 draw one-pixel lines
    Color color = kBlack;
    friend bool operator==(const MetaPen&, const MetaPen&) = default;
};

struct MetaBrush {
    MetaFill fill = MetaFill::Solid;
    Color color = kWhite;
    friend bool operator==(const MetaBrush&, const MetaBrush&) = default;
};

struct MetaFont {
    std::string face = "Arial";
    int height = 16; // of the characters (the em), in pixels
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool symbol = false; // the Symbol font's character set
    friend bool operator==(const MetaFont&, const MetaFont&) = default;
};

// A bitmap as metafiles hold it: 24 bits a pixel, blue-green-red, rows from the bottom up, each
// padded to four bytes.
struct MetaBitmap {
    int width = 0;
    int height = 0;
    std::vector<char> rows;
};

class MetafileRecords {
public:
    virtual ~MetafileRecords() = default;

    // The objects in force for the drawing that follows; a writer makes a new GDI object only
    // when one differs from the one selected.
    virtual void setPen(const MetaPen& pen) = 0;
    virtual void setBrush(const MetaBrush& brush) = 0;
    virtual void setFont(const MetaFont& font) = 0;
    virtual void setTextColor(Color color) = 0;
    // Drawing is limited to the rectangle from here on; an empty one lifts the limit.
    virtual void setClip(const Rect& clip) = 0;

    virtual void polyline(const std::vector<Point>& points) = 0;
    virtual void polygon(const std::vector<Point>& points) = 0;
    // GDI's rectangles and ellipses: the outline within the edges, right and bottom outside.
    virtual void rectangle(const Rect& box) = 0;
    virtual void ellipse(const Rect& box) = 0;
    // Text from its baseline's left end; advances are the distances between the characters.
    virtual void text(Point baseline, const std::u16string& text,
                      const std::vector<int>& advances) = 0;
    virtual void bitmap(const Rect& destination, const MetaBitmap& bitmap) = 0;

    // The whole file; nothing can be added after it.
    virtual std::string finish() = 0;
};

} // namespace tarlix
