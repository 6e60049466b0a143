// Pens, brushes, bitmaps and fonts, each deleted with its owner.
#pragma once

#include <windows.h>

namespace cantivo::ui {

class CDC;

class CGdiObject {
public:
    CGdiObject() = default;
    ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL DeleteObject();
    // Takes ownership of a handle made elsewhere.
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();

protected:
    HGDIOBJ m_hObject = nullptr;
};

class CPen : public CGdiObject {
public:
    BOOL CreatePen(int style, int width, COLORREF colour);
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
};

class CBrush : public CGdiObject {
public:
    BOOL CreateSolidBrush(COLORREF colour);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

class CBitmap : public CGdiObject {
public:
    // From the resource module.
    BOOL LoadBitmap(UINT id);
    BOOL CreateCompatibleBitmap(HDC dc, int width, int height);
    SIZE GetSize() const;
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

class CFont : public CGdiObject {
public:
    BOOL CreateFontIndirect(const LOGFONTA& font);
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

}  // namespace cantivo::ui
