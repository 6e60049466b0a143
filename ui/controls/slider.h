// A horizontal slider with a fixed scale labelled 0, 100 and 200. Its handle
// is dragged along the bottom edge or moved with Home and the left and right
// arrows; every change made by the user goes to the parent as WM_HSCROLL with
// SB_THUMBTRACK, the slider standing as the scroll bar.
#pragma once

#include "ui/controls/slider_geometry.h"
#include "ui/framework/gdi_objects.h"
#include "ui/framework/wnd.h"

namespace cantivo::ui {

constexpr UINT kSliderHandleId = 1100;

// The labels' font, one for the module, made with the first slider.
HFONT SliderLabelFont();

class CSlider;

class CSliderBtn : public CWnd {
public:
    explicit CSliderBtn(CSlider& slider) : m_slider(slider) {}

    void SetBitmaps(HBITMAP normal, HBITMAP focused, HBITMAP disabled);
    void BeginDrag();
    bool IsDragging() const { return m_dragging != FALSE; }
    // 0 normal, 1 focused, 2 disabled.
    int DrawingState() const;

protected:
    void OnPaint() override;
    void OnPrintClient(HDC dc, UINT flags) override;
    BOOL OnEraseBkgnd(HDC) override { return TRUE; }
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnLButtonUp(UINT flags, POINT point) override;
    void OnMouseMove(UINT flags, POINT point) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnSetFocus(HWND oldFocus) override;
    void OnKillFocus(HWND newFocus) override;
    UINT OnGetDlgCode() override;
    void OnCaptureChanged(HWND newCapture) override;
    void OnDestroy() override;

private:
    void Paint(CDC& dc);
    void SetAnchor();
    void EndDrag();

    CSlider& m_slider;
    HBITMAP m_bitmaps[3] = {};
    POINT m_anchor{};
    BOOL m_dragging = FALSE;
};

class CSlider : public CWnd {
public:
    CSlider();
    ~CSlider() override { DestroyWindow(); }

    // A visible child with a tab stop over rect of the parent.
    BOOL Create(const RECT& rect, CWnd* parent, UINT id);
    // The parent's pens: dark shadow, highlight, shadow.
    void SetPens(CPen* darkShadow, CPen* highlight, CPen* shadow);
    // Neither moves the handle; max must differ from min.
    void SetRange(int min, int max);
    int GetPos() const { return m_pos; }
    // Not clamped: callers keep within the range.
    void SetPos(int pos);
    void EnableSlider(bool enable);

    CSliderBtn& Handle() { return m_btn; }
    const CSliderBtn& Handle() const { return m_btn; }

protected:
    int OnCreate(CREATESTRUCTA* create) override;
    void OnDestroy() override;
    BOOL OnEraseBkgnd(HDC dc) override;
    void OnPaint() override;
    void OnPrintClient(HDC dc, UINT flags) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnSetFocus(HWND oldFocus) override;

private:
    friend class CSliderBtn;
    void Paint(CDC& dc);
    // After every change the user made.
    void NotifyParent();

    CSliderBtn m_btn;
    CPen* m_pens[3] = {};
    COLORREF m_textColour = 0;
    COLORREF m_highlightColour = 0;
    COLORREF m_shadowColour = 0;
    int m_min = 0;
    int m_max = 200;
    int m_pos = 1000;  // outside the range: the first SetPos always places the handle
    CBitmap m_bitmaps[3];
};

}  // namespace cantivo::ui
