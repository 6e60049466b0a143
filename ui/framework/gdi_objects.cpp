#include "ui/framework/gdi_objects.h"

#include "ui/framework/resource_handle.h"

namespace cantivo::ui {

BOOL CGdiObject::DeleteObject() {
    if (m_hObject == nullptr) return FALSE;
    const BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}

BOOL CGdiObject::Attach(HGDIOBJ object) {
    DeleteObject();
    m_hObject = object;
    return object != nullptr;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
}

BOOL CPen::CreatePen(int style, int width, COLORREF colour) { return Attach(::CreatePen(style, width, colour)); }

BOOL CBrush::CreateSolidBrush(COLORREF colour) { return Attach(::CreateSolidBrush(colour)); }

BOOL CBitmap::LoadBitmap(UINT id) { return Attach(::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id))); }

BOOL CBitmap::CreateCompatibleBitmap(HDC dc, int width, int height) {
    return Attach(::CreateCompatibleBitmap(dc, width, height));
}

SIZE CBitmap::GetSize() const {
    BITMAP info{};
    if (m_hObject == nullptr || ::GetObjectA(m_hObject, sizeof info, &info) == 0) return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

BOOL CFont::CreateFontIndirect(const LOGFONTA& font) { return Attach(::CreateFontIndirectA(&font)); }

}  // namespace cantivo::ui
