// An off-screen surface over a rectangle of a target context: everything is
// drawn into memory and copied to the target in one go when it ends, so a
// control repaints without flicker.
#pragma once

#include "ui/framework/dc.h"
#include "ui/framework/gdi_objects.h"

namespace cantivo::ui {

class CMemDC2 : public CCompatibleDC {
public:
    CMemDC2(CDC& target, const CRect& rect);
    ~CMemDC2();

private:
    CBitmap m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
    CDC& m_target;
    CRect m_rect;
};

}  // namespace cantivo::ui
