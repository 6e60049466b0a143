// A window object bound to its HWND. Windows of our own class keep the object
// in their extra bytes; standard controls and dialogs are subclassed and keep
// it in a window property. Either link is cut at WM_NCDESTROY. Every message
// reaches the object through WindowProc, which hands the common ones to
// virtual handlers; a handler that does not take a message calls Default().
#pragma once

#include <windows.h>

#include <string>

#include "ui/framework/rect.h"

namespace cantivo::ui {

class CDC;

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The object bound to a window, or null.
    static CWnd* FromHandlePermanent(HWND hwnd);

    // A window of our own class; a child when parent is given.
    BOOL CreateEx(DWORD exStyle, const char* windowName, DWORD style, int x, int y, int width, int height,
                  HWND parent, UINT idOrMenu);
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Binds to an existing window, such as a control of a dialog.
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();
    BOOL DestroyWindow();

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    HWND GetParent() const;
    HWND GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    CRect GetClientRect() const;
    CRect GetWindowRect() const;
    void ClientToScreen(POINT& point) const;
    void ScreenToClient(POINT& point) const;
    BOOL MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    BOOL SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
    BOOL ShowWindow(int command);
    void Invalidate(BOOL erase = TRUE);
    void UpdateWindow();
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    HWND SetFocus();
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text);
    HFONT GetFont() const;
    // The font the parent gives its controls; null for the system's.
    HFONT ParentFont() const;
    void SetFont(HFONT font, BOOL redraw = TRUE);
    HWND SetCapture();

    HWND m_hWnd = nullptr;

protected:
    // The one dispatch point of the window. An override may change a message
    // before handing it on to its base.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // What the window would do without us: the class's own procedure.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default handling of the message being dispatched.
    LRESULT Default();
    // After the window is gone and the object is unbound.
    virtual void PostNcDestroy() {}

    virtual int OnCreate(CREATESTRUCTA* create);
    virtual void OnDestroy();
    // Paints the client area, for WM_PAINT and WM_PRINTCLIENT alike; the base
    // paints nothing.
    virtual void OnDraw(CDC& dc);
    // Whether OnDraw paints the window. A standard control bound by
    // subclassing keeps its own painting unless its object takes it over.
    virtual bool DrawsItself() const { return !m_subclassed; }
    virtual BOOL OnEraseBkgnd(HDC dc);
    virtual void OnLButtonDown(UINT flags, POINT point);
    virtual void OnLButtonUp(UINT flags, POINT point);
    virtual void OnLButtonDblClk(UINT flags, POINT point);
    virtual void OnMouseMove(UINT flags, POINT point);
    virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
    virtual void OnSetFocus(HWND oldFocus);
    virtual void OnKillFocus(HWND newFocus);
    virtual UINT OnGetDlgCode();
    virtual void OnCaptureChanged(HWND newCapture);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void OnHScroll(UINT code, UINT pos, HWND scrollBar);
    // An owner-drawn child's WM_DRAWITEM, handed back to the child.
    virtual BOOL DrawItem(DRAWITEMSTRUCT* item);

private:
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    friend LRESULT CALLBACK OwnClassProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    friend LRESULT Dispatch(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    friend class CDialog;

    void Unbind();

    Message m_current{};
    bool m_subclassed = false;
};

// Our window class is registered once per module on first use; the module
// takes it away again when it unloads.
void UnregisterWindowClass();

}  // namespace cantivo::ui
