// A square pad on which a handle is dragged or moved with the arrow keys to
// set two parameters at once, one per axis, each 0..200. The pad writes the
// new values straight into the parameters it is bound to and tells its parent
// which axis changed; the parent then calls PlaceHandle.
#pragma once

#include <cstdint>

#include "ui/controls/drag_handle.h"
#include "ui/controls/reg2d_geometry.h"
#include "ui/framework/gdi_objects.h"
#include "ui/framework/wnd.h"

namespace cantivo::ui {

// Sent to the pad's parent: wParam the notification id, lParam the change code.
constexpr UINT WM_REG2D_CHANGED = WM_USER + 1001;
constexpr UINT kReg2DHandleId = 1003;

class CReg2D;

class CReg2DBtn : public CDragHandle {
public:
    explicit CReg2DBtn(CReg2D& pad) : CDragHandle(kRegHandleSize, kRegHandleSize), m_pad(pad) {}

    // One picture per drawing state; the pictures stay the parent's.
    void SetBitmaps(const HBITMAP (&bitmaps)[8]);
    int DrawingState() const override;

protected:
    void OnDrag(int dx, int dy) override;
    bool OnArrowKey(UINT key) override;

private:
    CReg2D& m_pad;
};

class CReg2D : public CWnd {
public:
    CReg2D() : m_btn(*this) {}
    ~CReg2D() override { DestroyWindow(); }

    // A visible child with a tab stop over rect of the parent.
    BOOL Create(const RECT& rect, CWnd* parent, UINT id);

    // The parent's pens: dark shadow, highlight, shadow, face. The crosshair
    // is drawn with the highlight, and only when there is one.
    void SetPens(PenRef darkShadow, PenRef highlight, PenRef shadow, PenRef face);
    void EnableAxes(bool x, bool y);
    // Both may be the same parameter; null leaves an axis without storage.
    void BindValues(std::int16_t* x, std::int16_t* y);
    void SetNotifyId(UINT id) { m_notifyId = id; }
    void PlaceHandle();

    CReg2DBtn& Handle() { return m_btn; }
    const CReg2DBtn& Handle() const { return m_btn; }
    bool XEnabled() const { return m_xEnabled != FALSE; }
    bool YEnabled() const { return m_yEnabled != FALSE; }

protected:
    int OnCreate(CREATESTRUCTA* create) override;
    void OnDraw(CDC& dc) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnSetFocus(HWND oldFocus) override;

private:
    friend class CReg2DBtn;
    RegValues Values() const;
    // Writes the values and tells the parent what changed.
    void StoreAndNotify(RegValues values);

    PenRef m_highlight;
    CReg2DBtn m_btn;
    BOOL m_xEnabled = FALSE;
    BOOL m_yEnabled = FALSE;
    std::int16_t* m_xValue = nullptr;
    std::int16_t* m_yValue = nullptr;
    UINT m_notifyId = 0;
    Reg2DGeometry m_geometry;
};

}  // namespace cantivo::ui
