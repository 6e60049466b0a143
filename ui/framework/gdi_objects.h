// Pens, brushes, bitmaps and fonts. The type says who deletes the handle: an
// owned object deletes it with itself; a borrowed one only refers to a handle
// that someone else keeps, and is copied freely.
#pragma once

#include <windows.h>

#include "ui/framework/resource_handle.h"

namespace cantivo::ui {

template <typename Handle, bool kOwned>
class GdiObject {
public:
    GdiObject() = default;
    // Owned: takes the handle over. Borrowed: refers to it.
    explicit(kOwned) GdiObject(Handle handle) : m_handle(handle) {}
    // Borrowed from any object of the same kind.
    template <bool kOtherOwned>
    GdiObject(const GdiObject<Handle, kOtherOwned>& other)
        requires(!kOwned)
        : m_handle(other) {}
    ~GdiObject() {
        if constexpr (kOwned) DeleteObject();
    }
    GdiObject(const GdiObject&)
        requires(!kOwned)
    = default;
    GdiObject& operator=(const GdiObject&)
        requires(!kOwned)
    = default;

    operator Handle() const { return m_handle; }

    // Takes over a handle made elsewhere; false when there is none.
    BOOL Attach(Handle handle)
        requires kOwned
    {
        DeleteObject();
        m_handle = handle;
        return handle != nullptr;
    }
    BOOL DeleteObject()
        requires kOwned
    {
        if (m_handle == nullptr) return FALSE;
        const BOOL deleted = ::DeleteObject(m_handle);
        m_handle = nullptr;
        return deleted;
    }

private:
    Handle m_handle = nullptr;
};

template <bool kOwned>
class CPenT : public GdiObject<HPEN, kOwned> {
public:
    using GdiObject<HPEN, kOwned>::GdiObject;
    BOOL CreatePen(int style, int width, COLORREF colour)
        requires kOwned
    {
        return this->Attach(::CreatePen(style, width, colour));
    }
};

template <bool kOwned>
class CBrushT : public GdiObject<HBRUSH, kOwned> {
public:
    using GdiObject<HBRUSH, kOwned>::GdiObject;
    BOOL CreateSolidBrush(COLORREF colour)
        requires kOwned
    {
        return this->Attach(::CreateSolidBrush(colour));
    }
};

template <bool kOwned>
class CBitmapT : public GdiObject<HBITMAP, kOwned> {
public:
    using GdiObject<HBITMAP, kOwned>::GdiObject;
    // From the resource module.
    BOOL LoadBitmap(UINT id)
        requires kOwned
    {
        return this->Attach(::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id)));
    }
    BOOL CreateCompatibleBitmap(HDC dc, int width, int height)
        requires kOwned
    {
        return this->Attach(::CreateCompatibleBitmap(dc, width, height));
    }
};

template <bool kOwned>
class CFontT : public GdiObject<HFONT, kOwned> {
public:
    using GdiObject<HFONT, kOwned>::GdiObject;
    BOOL CreateFontIndirect(const LOGFONTA& font)
        requires kOwned
    {
        return this->Attach(::CreateFontIndirectA(&font));
    }
};

using CPen = CPenT<true>;
using PenRef = CPenT<false>;
using CBrush = CBrushT<true>;
using CBitmap = CBitmapT<true>;
using BitmapRef = CBitmapT<false>;
using CFont = CFontT<true>;
using FontRef = CFontT<false>;

}  // namespace cantivo::ui
