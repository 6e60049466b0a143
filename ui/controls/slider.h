// A horizontal slider with a fixed scale labelled 0, 100 and 200. Its handle
// is dragged along the bottom edge or moved with Home and the left and right
// arrows; every change made by the user goes to the parent as WM_HSCROLL with
// SB_THUMBTRACK, the slider standing as the scroll bar.
#pragma once

#include "ui/controls/drag_handle.h"
#include "ui/controls/slider_geometry.h"
#include "ui/framework/gdi_objects.h"
#include "ui/framework/wnd.h"

namespace cantivo::ui {

constexpr UINT kSliderHandleId = 1100;

// The labels' font, one for the module, made with the first slider.
HFONT SliderLabelFont();

class CSlider;

class CSliderBtn : public CDragHandle {
public:
    explicit CSliderBtn(CSlider& slider)
        : CDragHandle(kSliderHandleWidth, kSliderHandleHeight), m_slider(slider) {}

    void SetBitmaps(HBITMAP normal, HBITMAP focused, HBITMAP disabled);
    // 0 normal, 1 focused, 2 disabled.
    int DrawingState() const override;

protected:
    void OnDrag(int dx, int dy) override;
    bool OnArrowKey(UINT key) override;

private:
    CSlider& m_slider;
};

class CSlider : public CWnd {
public:
    CSlider();
    ~CSlider() override { DestroyWindow(); }

    // A visible child with a tab stop over rect of the parent.
    BOOL Create(const RECT& rect, CWnd* parent, UINT id);
    // The parent's pens: dark shadow, highlight, shadow.
    void SetPens(PenRef darkShadow, PenRef highlight, PenRef shadow);
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
    void OnDraw(CDC& dc) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnSetFocus(HWND oldFocus) override;

private:
    friend class CSliderBtn;
    // After every change the user made.
    void NotifyParent();

    CSliderBtn m_btn;
    PenRef m_darkShadow;
    PenRef m_highlight;
    PenRef m_shadow;
    COLORREF m_textColour = 0;
    COLORREF m_highlightColour = 0;
    COLORREF m_shadowColour = 0;
    int m_min = 0;
    int m_max = 200;
    int m_pos = 1000;  // outside the range: the first SetPos always places the handle
    CBitmap m_bitmaps[3];
};

}  // namespace cantivo::ui
