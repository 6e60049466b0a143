// A vertical colour gradient computed once into a small bitmap and stretched
// over any rectangle; a solid brush of the top colour where a gradient cannot
// be shown.
#pragma once

#include <windows.h>

#include "ui/controls/gradient_rows.h"
#include "ui/framework/dc.h"
#include "ui/framework/gdi_objects.h"

namespace cantivo::ui {

class CGradient {
public:
    // Asks the desktop how many colours it shows.
    CGradient();
    // For a display of the given depth.
    explicit CGradient(int displayBitsPerPixel);
    virtual ~CGradient() = default;
    CGradient(const CGradient&) = delete;
    CGradient& operator=(const CGradient&) = delete;

    // Whether a gradient bitmap exists afterwards. The same arguments again
    // keep what was made.
    BOOL Create(COLORREF colour, int step, const CRect& rect);
    void Draw(CDC& dc, const CRect& rect);

    GradientKind Kind() const { return m_kind; }
    HBITMAP Bitmap() const { return m_bitmap; }
    HBRUSH Brush() const { return m_brush; }

private:
    void Release();

    COLORREF m_colour = 0xFFFFFFFF;
    int m_step = -1;
    CRect m_rect;
    BOOL m_highColour;
    CBitmap m_bitmap;
    CBrush m_brush;
    GradientKind m_kind = GradientKind::kNone;
};

}  // namespace cantivo::ui
