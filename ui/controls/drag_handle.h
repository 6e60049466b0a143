// The handle of a regulator or slider: a small child window showing one
// picture per drawing state, dragged with the mouse or moved with the arrow
// keys. A press takes the focus and the capture and puts the cursor on the
// handle's centre, the anchor; each move with the button held reports how far
// the cursor is from the anchor.
#pragma once

#include <vector>

#include "ui/framework/gdi_objects.h"
#include "ui/framework/wnd.h"

namespace cantivo::ui {

class CDragHandle : public CWnd {
public:
    CDragHandle(int width, int height) : m_width(width), m_height(height) {}

    void BeginDrag();
    bool IsDragging() const { return m_dragging; }
    // Which picture shows.
    virtual int DrawingState() const = 0;

protected:
    // The pictures stay their owner's.
    void SetPictures(std::vector<BitmapRef> pictures);
    // Moves the anchor, and the cursor with it, to the handle's centre.
    void Recentre();
    // dx to the right and dy down from the anchor.
    virtual void OnDrag(int dx, int dy) = 0;
    // False for a key the handle does not take.
    virtual bool OnArrowKey(UINT key) = 0;

    void OnDraw(CDC& dc) override;
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
    void EndDrag();

    int m_width;
    int m_height;
    std::vector<BitmapRef> m_pictures;
    POINT m_anchor{};
    bool m_dragging = false;
};

}  // namespace cantivo::ui
