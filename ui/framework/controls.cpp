#include "ui/framework/controls.h"

#include "ui/framework/dc.h"

namespace cantivo::ui {

int CComboBox::AddString(const std::string& text) {
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

std::string CComboBox::GetLBText(int index) const {
    const auto length = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied = SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

int CComboBox::FindStringExact(int start, const std::string& text) const {
    return static_cast<int>(
        SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text.c_str())));
}

BOOL CMFCButton::DrawItem(DRAWITEMSTRUCT* item) {
    CDC dc(item->hDC);
    OnDraw(dc);
    return TRUE;
}

}  // namespace cantivo::ui
