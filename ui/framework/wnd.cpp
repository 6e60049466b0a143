#include "ui/framework/wnd.h"

#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <exception>
#include <new>

#include "ui/framework/dc.h"
#include "ui/framework/message_box.h"
#include "ui/framework/resource_handle.h"

namespace cantivo::ui {

namespace {

constexpr UINT_PTR kSubclassId = 0x43564E;  // one subclass of ours per window
ATOM g_windowClass = 0;

}  // namespace

LRESULT CALLBACK OwnClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR ref);

namespace {

// A subclassed window keeps its object in a property of its own.
constexpr const char* kObjectProperty = "CantivoWnd";

ATOM WindowClass() {
    if (g_windowClass == 0) {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = OwnClassProc;
        windowClass.cbWndExtra = sizeof(CWnd*);
        windowClass.hInstance = AfxGetCodeInstance();
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = "CantivoWnd";
        g_windowClass = RegisterClassExA(&windowClass);
    }
    return g_windowClass;
}

}  // namespace

// No exception may unwind into the system's code that called the window.
LRESULT Dispatch(CWnd* wnd, HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    const CWnd::Message outer = wnd->m_current;
    wnd->m_current = {message, wParam, lParam};
    LRESULT result = 0;
    try {
        result = wnd->WindowProc(message, wParam, lParam);
    } catch (const std::bad_alloc&) {
        ReportOutOfMemory();
        result = message == WM_CREATE ? -1 : 0;
    } catch (const std::exception& error) {
        AfxMessageBox(error.what(), MB_OK | MB_ICONSTOP);
        result = message == WM_CREATE ? -1 : 0;
    }
    wnd->m_current = outer;
    return result;
}

LRESULT CALLBACK OwnClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* wnd = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(wnd));
        wnd->m_hWnd = hwnd;
    }
    auto* wnd = reinterpret_cast<CWnd*>(GetWindowLongPtrA(hwnd, 0));
    if (wnd == nullptr) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    const LRESULT result = Dispatch(wnd, hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, 0, 0);
        wnd->Unbind();
        wnd->PostNcDestroy();
    }
    return result;
}

LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR ref) {
    auto* wnd = reinterpret_cast<CWnd*>(ref);
    const LRESULT result = Dispatch(wnd, hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        RemovePropA(hwnd, kObjectProperty);
        RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
        wnd->Unbind();
        wnd->PostNcDestroy();
    }
    return result;
}

void UnregisterWindowClass() {
    if (g_windowClass != 0) UnregisterClassA(MAKEINTATOM(g_windowClass), AfxGetCodeInstance());
    g_windowClass = 0;
}

CWnd::~CWnd() {
    if (m_hWnd == nullptr) return;
    if (m_subclassed)
        UnsubclassWindow();
    else
        ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
    if (hwnd == nullptr) return nullptr;
    if (g_windowClass != 0 && GetClassLongPtrA(hwnd, GCW_ATOM) == g_windowClass)
        return reinterpret_cast<CWnd*>(GetWindowLongPtrA(hwnd, 0));
    return static_cast<CWnd*>(GetPropA(hwnd, kObjectProperty));
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* windowName, DWORD style, int x, int y, int width, int height,
                    HWND parent, UINT idOrMenu) {
    if (m_hWnd != nullptr || WindowClass() == 0) return FALSE;
    m_subclassed = false;
    CreateWindowExA(exStyle, MAKEINTATOM(WindowClass()), windowName, style, x, y, width, height, parent,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(idOrMenu)), AfxGetCodeInstance(), this);
    return m_hWnd != nullptr;
}

BOOL CWnd::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, "", style, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                    parent != nullptr ? parent->m_hWnd : nullptr, id);
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    if (m_hWnd != nullptr || hwnd == nullptr || FromHandlePermanent(hwnd) != nullptr) return FALSE;
    if (!SetPropA(hwnd, kObjectProperty, this)) return FALSE;
    if (!SetWindowSubclass(hwnd, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        RemovePropA(hwnd, kObjectProperty);
        return FALSE;
    }
    m_hWnd = hwnd;
    m_subclassed = true;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    return parent != nullptr && SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
    const HWND hwnd = m_hWnd;
    if (hwnd == nullptr || !m_subclassed) return nullptr;
    RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
    RemovePropA(hwnd, kObjectProperty);
    Unbind();
    return hwnd;
}

BOOL CWnd::DestroyWindow() { return m_hWnd != nullptr && ::DestroyWindow(m_hWnd); }

void CWnd::Unbind() {
    m_hWnd = nullptr;
    m_subclassed = false;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}
BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}
HWND CWnd::GetParent() const { return ::GetParent(m_hWnd); }
HWND CWnd::GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

CRect CWnd::GetClientRect() const {
    CRect rect;
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}
CRect CWnd::GetWindowRect() const {
    CRect rect;
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}
void CWnd::ClientToScreen(POINT& point) const { ::ClientToScreen(m_hWnd, &point); }
void CWnd::ScreenToClient(POINT& point) const { ::ScreenToClient(m_hWnd, &point); }
BOOL CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    return ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}
BOOL CWnd::SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags);
}
BOOL CWnd::ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
void CWnd::Invalidate(BOOL erase) { ::InvalidateRect(m_hWnd, nullptr, erase); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
HWND CWnd::SetFocus() { return ::SetFocus(m_hWnd); }
HWND CWnd::SetCapture() { return ::SetCapture(m_hWnd); }

std::string CWnd::GetWindowText() const {
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(m_hWnd)) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(m_hWnd, text.data(), static_cast<int>(text.size()))));
    return text;
}
void CWnd::SetWindowText(const std::string& text) { ::SetWindowTextA(m_hWnd, text.c_str()); }
HFONT CWnd::GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
HFONT CWnd::ParentFont() const { return reinterpret_cast<HFONT>(::SendMessageA(GetParent(), WM_GETFONT, 0, 0)); }
void CWnd::SetFont(HFONT font, BOOL redraw) { SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw); }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    m_current = {message, wParam, lParam};
    const CPoint point(lParam);
    const auto flags = static_cast<UINT>(wParam);
    switch (message) {
        case WM_CREATE:
            return OnCreate(reinterpret_cast<CREATESTRUCTA*>(lParam));
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_PAINT: {
            if (!DrawsItself()) return Default();
            CPaintDC dc(m_hWnd);
            OnDraw(dc);
            return 0;
        }
        case WM_PRINTCLIENT: {
            if (!DrawsItself()) return Default();
            CDC dc(reinterpret_cast<HDC>(wParam));
            OnDraw(dc);
            return 0;
        }
        case WM_ERASEBKGND:
            return OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
        case WM_LBUTTONDOWN:
            OnLButtonDown(flags, point);
            return 0;
        case WM_LBUTTONUP:
            OnLButtonUp(flags, point);
            return 0;
        case WM_LBUTTONDBLCLK:
            OnLButtonDblClk(flags, point);
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(flags, point);
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_SETFOCUS:
            OnSetFocus(reinterpret_cast<HWND>(wParam));
            return 0;
        case WM_KILLFOCUS:
            OnKillFocus(reinterpret_cast<HWND>(wParam));
            return 0;
        case WM_GETDLGCODE:
            return OnGetDlgCode();
        case WM_CAPTURECHANGED:
            OnCaptureChanged(reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_COMMAND:
            return OnCommand(wParam, lParam) ? 0 : Default();
        case WM_HSCROLL:
            OnHScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_DRAWITEM: {
            auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            CWnd* child = item->CtlType == ODT_MENU ? nullptr : FromHandlePermanent(item->hwndItem);
            if (child != nullptr && child->DrawItem(item)) return TRUE;
            return Default();
        }
        default:
            return Default();
    }
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_subclassed) return DefSubclassProc(m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() { return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam); }

int CWnd::OnCreate(CREATESTRUCTA*) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnDraw(CDC&) {}
BOOL CWnd::OnEraseBkgnd(HDC) { return static_cast<BOOL>(Default()); }
void CWnd::OnLButtonDown(UINT, POINT) { Default(); }
void CWnd::OnLButtonUp(UINT, POINT) { Default(); }
void CWnd::OnLButtonDblClk(UINT, POINT) { Default(); }
void CWnd::OnMouseMove(UINT, POINT) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSetFocus(HWND) { Default(); }
void CWnd::OnKillFocus(HWND) { Default(); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
void CWnd::OnCaptureChanged(HWND) { Default(); }
BOOL CWnd::OnCommand(WPARAM, LPARAM) { return FALSE; }
void CWnd::OnHScroll(UINT, UINT, HWND) { Default(); }
BOOL CWnd::DrawItem(DRAWITEMSTRUCT*) { return FALSE; }

}  // namespace cantivo::ui
