#pragma once
// The GDI values EMF and WMF share, for the objects of MetafileRecords, and the clip and object
// bookkeeping both writers need. Included only by the writers (it brings in libuemf).

#include "platform/qt/MetafileRecords.h"

#include <uemf.h>

namespace tarlix::gdi {

inline U_COLORREF colorOf(Color c) {
    return colorref3_set(static_cast<uint8_t>(redOf(c)), static_cast<uint8_t>(greenOf(c)),
                         static_cast<uint8_t>(blueOf(c)));
}

inline uint32_t penStyleOf(MetaLine line) {
    switch (line) {
    case MetaLine::Dash:
        return U_PS_DASH;
    case MetaLine::Dot:
        return U_PS_DOT;
    case MetaLine::DashDot:
        return U_PS_DASHDOT;
    case MetaLine::None:
        return U_PS_NULL;
    case MetaLine::Solid:
        break;
    }
    return U_PS_SOLID;
}

// The brush style, and the hatch of a hatched one.
inline uint32_t brushStyleOf(MetaFill fill) {
    if (fill == MetaFill::Solid) return U_BS_SOLID;
    if (fill == MetaFill::None) return U_BS_NULL;
    return U_BS_HATCHED;
}
inline int32_t hatchOf(MetaFill fill) {
    switch (fill) {
    case MetaFill::Horizontal:
        return U_HS_HORIZONTAL;
    case MetaFill::Vertical:
        return U_HS_VERTICAL;
    case MetaFill::FDiagonal:
        return U_HS_FDIAGONAL;
    case MetaFill::BDiagonal:
        return U_HS_BDIAGONAL;
    case MetaFill::Cross:
        return U_HS_CROSS;
    case MetaFill::DiagCross:
        return U_HS_DIAGCROSS;
    default:
        break;
    }
    return 0;
}

inline uint8_t charsetOf(const MetaFont& font) {
    return font.symbol ? U_SYMBOL_CHARSET : U_DEFAULT_CHARSET;
}

// The objects a writer has selected, so that a new one is made only on a change, and the clip:
// GDI can only narrow a clip, so each clip is set inside a saved state that the next one
// restores, after which the objects in force are selected again.
struct SelectedObjects {
    MetaPen pen;
    MetaBrush brush;
    MetaFont font;
    Color textColor = kBlack;
    uint32_t penHandle = 0;
    uint32_t brushHandle = 0;
    uint32_t fontHandle = 0;
    bool clipSaved = false;
};

} // namespace tarlix::gdi
