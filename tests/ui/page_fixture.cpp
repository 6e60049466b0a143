#include "tests/ui/page_fixture.h"

#include <cstring>

namespace cantivo::test {

StyleFile DescribedStyle(const char* text) {
    StyleFile style = SampleStyle();
    std::strcpy(style.header.szDescription, text);
    return style;
}

void PageWindow::TearDown() {
    if (page.m_hWnd != nullptr) page.Deactivate();
    FilterFixture::TearDown();
}

void PageWindow::Install(const std::string& styleFolder, const std::string& name, const StyleFile& style) {
    InstallStyleFile(folder, styleFolder, name + ".cnv", WriteStyleFile(style));
}

void PageWindow::Open() {
    IUnknown* object = static_cast<IMfxEventFilter*>(filter.get());
    ASSERT_EQ(page.SetObjects(1, &object), S_OK);
    const RECT place{0, 0, 500, 500};
    ASSERT_EQ(page.Activate(host.m_hWnd, &place, FALSE), S_OK);
    Pump();
}

void PageWindow::Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (page.m_hWnd != nullptr && page.TranslateAccelerator(&message) == S_OK) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void PageWindow::Click(int id) {
    RECT client{};
    GetClientRect(Item(id), &client);
    ClickAt(Item(id), {(client.left + client.right) / 2, (client.top + client.bottom) / 2});
}

void PageWindow::ClickAt(HWND window, POINT point) {
    const LPARAM at = PointParam(point.x, point.y);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
    Pump();
}

void PageWindow::PressKey(WPARAM key) {
    const HWND focus = GetFocus();
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
    Pump();
}

void PageWindow::Type(const std::string& text) {
    for (const char c : text) {
        PostMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
        Pump();
    }
}

void PageWindow::Choose(int list, const std::string& entry) {
    SendMessageA(Item(list), CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry.c_str()));
    SendMessageA(page.m_hWnd, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(list)));
}

std::string PageWindow::Selected(int id) const {
    char text[64] = {};
    const auto index = SendMessageA(Item(id), CB_GETCURSEL, 0, 0);
    SendMessageA(Item(id), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

std::vector<std::string> PageWindow::Axes() const {
    return {Selected(1028), Selected(1029), Selected(1030), Selected(1031)};
}

ui::CGradBtn& PageWindow::Button(int id) const {
    return *static_cast<ui::CGradBtn*>(ui::CWnd::FromHandlePermanent(Item(id)));
}

int PageWindow::Number(int id) const {
    bool ok = false;
    return Button(id).GetNumber(ok);
}

std::string PageWindow::Shown(int id) const {
    return static_cast<ui::CStaticBk*>(ui::CWnd::FromHandlePermanent(Item(id)))->Text();
}

std::string PageWindow::Text(int id) const {
    char text[512] = {};
    GetWindowTextA(Item(id), text, sizeof text);
    return text;
}

}  // namespace cantivo::test
